#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "pages/MisreadMark.h"
#include "pages/WheelSelector.h"
#include "tree/ConfigTree.h"
#include "widgets/DataExchange.h"
#include "widgets/KeyBinding.h"
#include "widgets/PageView.h"

namespace rw {

// A page whose fields act on the wheels or suspensions chosen with a wheel
// selector. Choosing entries shows what they share; every edit of a field is
// copied at once into the selected entries of the form's working copy, and
// the tree sees them at the next store. The page's fields name the keys of
// the form's Fields(); the exchange runs in their order.
template <typename Form>
class SelectionPage : public PageView {
public:
    void FillFromTree(const ConfigTree& tree) override {
        form.FillFromTree(tree);
        for (KeyedNumber& number : numbers) {
            for (int entry = 0; entry < kWheelCount; ++entry) {
                number.written[entry] = MisreadNumber(
                    tree, NumberedPrefix(Form::kBlock, entry) + number.path, number.integer);
            }
        }
        ShowSelection();
    }

    void ShowForm() override { ShowSelection(); }

    void StoreToTree(ConfigTree& tree) override {
        exchange.Take(TakeReason::Action);
        form.StoreToTree(tree);
    }

protected:
    SelectionPage(Form& form, Dialogs& dialogs, QWidget* parent)
        : PageView(dialogs, parent), form(form) {}

    // Binds and wires the fields and the selector; called once the widgets
    // exist. A field stands for every selected entry, so it names its key
    // with "N" for the number; the template's comments stand above the first
    // entry.
    void ConnectSelection(WheelSelector* wheelSelector) {
        selector = wheelSelector;
        AttachNumberFields(*this);
        const std::string shown = std::string(Form::kBlock) + "N.";
        const std::string commented = NumberedPrefix(Form::kBlock, 0);
        const auto fields = Form::Fields();
        std::vector<std::string> missing;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const auto& key = fields[i].key;
            const std::string path = fields[i].Stored() ? shown + key.path : key.path;
            QWidget* widget = BindKey(exchange, *this, key, form.shown, path,
                                      fields[i].Stored() ? commented + key.path : path);
            widgets.push_back(widget);
            if (widget == nullptr) {
                missing.push_back(path);
                continue;
            }
            auto* edit = qobject_cast<QLineEdit*>(widget);
            const bool number = key.Kind() == KeyKind::Integer || key.Kind() == KeyKind::Real;
            if (edit != nullptr && number && fields[i].Stored()) {
                numbers.push_back(
                    {edit, key.path, key.Kind() == KeyKind::Integer, edit->toolTip(), {}});
            }
            // Pushes block these signals, so only the user's typing, the spin
            // buttons and clicks reach the entries.
            const auto changed = [this, widget, i, edit] {
                // Typing over a marked number says what the entries hold now.
                for (KeyedNumber& number : numbers) {
                    if (number.edit == edit) {
                        ForgetWritten(number);
                    }
                }
                // Text on its way to a number keeps the last good value.
                if (exchange.Take(widget, TakeReason::Typing)) {
                    form.ApplyField(i);
                    ApplyEnables();
                }
            };
            if (edit != nullptr) {
                QObject::connect(edit, &QLineEdit::textChanged, this, changed);
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                QObject::connect(button, &QAbstractButton::toggled, this, changed);
            }
        }
        Remember(std::move(missing));
        QObject::connect(selector, &WheelSelector::SelectionChanged, this,
                         [this](std::uint32_t mask) {
                             form.SetSelection(mask);
                             exchange.Push();
                             ApplyEnables();
                             ShowMisreads();
                         });
        ShowSelection();
    }

    Form& form;

private:
    // A number field whose key reads, in one of the selected entries,
    // otherwise than the file writes it ("18.5" for a whole number).
    struct KeyedNumber {
        QLineEdit* edit;
        const char* path;  // below the entry's block
        bool integer;
        QString tip;  // the key's own
        std::array<std::optional<std::string>, kWheelCount> written;
    };

    void ShowSelection() {
        selector->SetMask(form.selection);
        exchange.Push();
        ApplyEnables();
        ShowMisreads();
    }

    void ShowMisreads() {
        for (const KeyedNumber& number : numbers) {
            std::optional<std::string> shown;
            for (int entry = 0; entry < kWheelCount && !shown; ++entry) {
                if (IsWheelSelected(form.selection, entry)) {
                    shown = number.written[entry];
                }
            }
            ShowMisread(number.edit, shown, number.tip);
        }
    }

    void ForgetWritten(KeyedNumber& number) {
        for (int entry = 0; entry < kWheelCount; ++entry) {
            if (IsWheelSelected(form.selection, entry)) {
                number.written[entry].reset();
            }
        }
        ShowMisread(number.edit, std::nullopt, number.tip);
    }

    void ApplyEnables() {
        for (std::size_t i = 0; i < widgets.size(); ++i) {
            if (widgets[i] != nullptr) {
                widgets[i]->setEnabled(form.FieldEnabled(i));
            }
        }
    }

    WheelSelector* selector = nullptr;
    std::vector<QWidget*> widgets;
    std::vector<KeyedNumber> numbers;
};

}  // namespace rw
