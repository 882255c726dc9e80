#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "pages/WheelSelector.h"
#include "tree/ConfigTree.h"
#include "widgets/DataExchange.h"
#include "widgets/KeyTips.h"
#include "widgets/PageView.h"

namespace rw {

// A page whose fields act on the wheels or suspensions chosen with a wheel
// selector. Choosing entries shows what they share; every edit of a field is
// copied at once into the selected entries of the form's working copy, and
// the tree sees them at the next store. The form's Fields() name the
// controls; the exchange runs in their order.
template <typename Form>
class SelectionPage : public PageView {
public:
    void FillFromTree(const ConfigTree& tree) override {
        form.FillFromTree(tree);
        ShowSelection();
    }

    void StoreToTree(ConfigTree& tree) override {
        exchange.Take(TakeReason::Action);
        form.StoreToTree(tree);
    }

protected:
    SelectionPage(Form& form, Dialogs& dialogs, QWidget* parent)
        : PageView(dialogs, parent), form(form) {}

    // Binds and wires the fields and the selector; called once the widgets exist.
    void ConnectSelection(WheelSelector* wheelSelector) {
        selector = wheelSelector;
        const auto fields = Form::Fields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            auto* widget = findChild<QWidget*>(QLatin1String(fields[i].widget));
            widgets.push_back(widget);
            std::visit([&](auto member) { Bind(widget, &(form.shown.*member)); },
                       fields[i].key.member);
            // Pushes block these signals, so only the user's typing, the spin
            // buttons and clicks reach the entries.
            const auto changed = [this, widget, i] {
                // Text on its way to a number keeps the last good value.
                if (exchange.Take(widget, TakeReason::Typing)) {
                    form.ApplyField(i);
                    ApplyEnables();
                }
            };
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                QObject::connect(edit, &QLineEdit::textChanged, this, changed);
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                QObject::connect(button, &QAbstractButton::toggled, this, changed);
            }
        }
        ShowKeyTips(fields);
        QObject::connect(selector, &WheelSelector::SelectionChanged, this,
                         [this](std::uint32_t mask) {
                             form.SetSelection(mask);
                             exchange.Push();
                             ApplyEnables();
                         });
        ShowSelection();
    }

    Form& form;

private:
    template <typename Value>
    void Bind(QWidget* widget, Value* value) {
        if constexpr (std::is_same_v<Value, bool>) {
            exchange.Bind(qobject_cast<QAbstractButton*>(widget), value);
        } else {
            exchange.Bind(qobject_cast<QLineEdit*>(widget), value);
        }
    }

    // A field stands for every selected entry, so its tip names the key with
    // "N" for the number; the template's comments stand above the first entry.
    void ShowKeyTips(decltype(Form::Fields()) fields) {
        const std::string shown = std::string(Form::kBlock) + "N.";
        const std::string commented = NumberedPrefix(Form::kBlock, 0);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const auto& key = fields[i].key;
            if (fields[i].Stored()) {
                SetKeyTip(widgets[i], KeyTip(shown + key.path, key.unit, commented + key.path));
            }
        }
    }

    void ShowSelection() {
        selector->SetMask(form.selection);
        exchange.Push();
        ApplyEnables();
    }

    void ApplyEnables() {
        for (std::size_t i = 0; i < widgets.size(); ++i) {
            widgets[i]->setEnabled(form.FieldEnabled(i));
        }
    }

    WheelSelector* selector = nullptr;
    std::vector<QWidget*> widgets;
};

}  // namespace rw
