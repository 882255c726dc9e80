#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/Reporter.h"
#include "forms/FileName.h"
#include "pages/MisreadMark.h"
#include "tree/ConfigTree.h"
#include "widgets/Dialogs.h"
#include "widgets/KeyBinding.h"
#include "widgets/PageView.h"

namespace rw {

// A page whose controls are bound to the members of its form: the fields that
// name a key of the form's table by BindKeys, the page's own by exchange.Bind.
// A fill shows the form and its enables; a store takes the controls first. A
// take for an action stops at the first field that does not parse, with a
// prompt: the store then writes what was taken before it and the previous
// values of the rest.
template <typename Form>
class FormPage : public PageView {
public:
    void FillFromTree(const ConfigTree& tree) override {
        form.FillFromTree(tree);
        exchange.Push();
        ApplyEnables();
        // A save writes the number shown; say so where the file's text is
        // not that number plainly ("7400 ; redline", "0,25", "yes", "1e39").
        for (const KeyedNumber& field : numbers) {
            ShowMisread(field.edit, MisreadNumber(tree, field.path, field.integer), field.tip);
        }
        MarkMisreadFields(tree);
    }

    void ShowForm() override {
        exchange.Push();
        ApplyEnables();
    }

    void StoreToTree(ConfigTree& tree) override {
        TakeFields(TakeReason::Action);
        form.StoreToTree(tree);
    }

protected:
    FormPage(Form& form, Dialogs& dialogs, QWidget* parent)
        : PageView(dialogs, parent), form(form) {}

    // Controls to the form; a page that refuses more than text that does not
    // parse adds its check here.
    virtual bool TakeFields(TakeReason reason) { return exchange.Take(reason); }

    // Marks the page's own number fields whose file text reads otherwise.
    virtual void MarkMisreadFields(const ConfigTree& /*tree*/) {}

    // Enables the fields as the form's values ask; most pages have no rule.
    virtual void ApplyEnables() {}

    // Run when a control that others depend on changes: the rule sees what
    // was typed, and every field shows the value it now holds.
    void ApplyEnableRule(TakeReason reason = TakeReason::Action) {
        const bool taken = TakeFields(reason);
        ApplyEnables();
        // Pushing while the user types would rewrite the text under the
        // cursor; after a failed take it would throw away the text to correct.
        if (taken && reason == TakeReason::Action) {
            exchange.Push();
        }
    }

    // Binds every field that names a key of the form's table, with its tip,
    // and gives the number fields their spin buttons; run once the widgets
    // exist. The keys the page shows by controls of its own (a group of radio
    // buttons) are named here.
    void BindKeys(std::initializer_list<std::string_view> ownKeys = {}) {
        AttachNumberFields(*this);
        std::vector<std::string> missing = rw::BindKeys(exchange, *this, Form::Keys(), form);
        for (const Key<Form>& key : Form::Keys()) {
            auto* edit = qobject_cast<QLineEdit*>(KeyedWidget(*this, key.path));
            if (edit != nullptr &&
                (key.Kind() == KeyKind::Integer || key.Kind() == KeyKind::Real)) {
                numbers.push_back(
                    {edit, key.path, key.Kind() == KeyKind::Integer, edit->toolTip()});
                // Typing over it says what is meant now.
                QObject::connect(edit, &QLineEdit::textEdited, this, [edit, tip = edit->toolTip()] {
                    ShowMisread(edit, std::nullopt, tip);
                });
            }
        }
        std::erase_if(missing, [ownKeys](const std::string& key) {
            return std::find(ownKeys.begin(), ownKeys.end(), key) != ownKeys.end();
        });
        Remember(std::move(missing));
    }

    // The "..." button of a file name field: the chosen file's name with its
    // extension, without its folder, becomes the field's text. The other
    // fields are taken first, so what was typed there stays.
    void BindPicker(QLineEdit* edit, QAbstractButton* button, const char* title,
                    const char* filter) {
        QObject::connect(button, &QAbstractButton::clicked, this, [this, edit, title, filter] {
            const std::optional<std::string> chosen = dialogs.ChooseOpenFile(title, filter);
            if (!chosen) {
                return;
            }
            TakeFields(TakeReason::Action);
            if (!exchange.Assign(edit, FileNameOnly(*chosen))) {
                DataExchange::ReportBadField(dialogs,
                                             BadField{edit, DataExchange::kCannotHoldTilde}, this);
            }
        });
    }

    Form& form;

private:
    struct KeyedNumber {
        QLineEdit* edit;
        const char* path;
        bool integer;
        QString tip;  // the key's own
    };
    std::vector<KeyedNumber> numbers;
};

}  // namespace rw
