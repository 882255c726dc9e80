#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <optional>
#include <string>

#include "forms/FileName.h"
#include "tree/ConfigTree.h"
#include "widgets/Dialogs.h"
#include "widgets/KeyTips.h"
#include "widgets/PageView.h"

namespace rw {

// A page whose controls are bound to the members of its form (exchange.Bind
// in the constructor, in the page's exchange order). A fill shows the form
// and its enables; a store takes the controls first. A take for an action
// stops at the first field that does not parse, with a prompt: the store then
// writes what was taken before it and the previous values of the rest.
template <typename Form>
class FormPage : public PageView {
public:
    void FillFromTree(const ConfigTree& tree) override {
        form.FillFromTree(tree);
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

    // Names in each bound field's tooltip the key it shows; run once the
    // fields are bound, by the pages whose form has one key table.
    void ShowKeyTips() { ApplyKeyTips(exchange, Form::Keys(), form); }

    // Binds a file name field and its "..." button: the chosen file's name
    // with its extension, without its folder, becomes the field's text. The
    // other fields are taken first, so what was typed there stays.
    void BindFile(QLineEdit* edit, std::string* name, QAbstractButton* button, const char* title,
                  const char* filter) {
        exchange.Bind(edit, name);
        QObject::connect(
            button, &QAbstractButton::clicked, this, [this, edit, name, title, filter] {
                const std::optional<std::string> chosen = dialogs.ChooseOpenFile(title, filter);
                if (!chosen) {
                    return;
                }
                TakeFields(TakeReason::Action);
                *name = FileNameOnly(*chosen);
                exchange.Push(edit);
            });
    }

    Form& form;
};

}  // namespace rw
