#pragma once

#include <QLineEdit>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "widgets/PageView.h"
#include "pages/WheelSelector.h"
#include "widgets/DataExchange.h"
#include "tree/ConfigTree.h"

namespace rw {

// A page whose fields act on the wheels or suspensions chosen with a wheel
// selector. Choosing entries shows what they share; every edit of a field is
// copied at once into the selected entries of the form's working copy, and
// the tree sees them at the next store.
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

    // Wires the selector and the fields; called once the widgets exist.
    void ConnectSelection(
        WheelSelector* wheelSelector,
        std::initializer_list<std::pair<QLineEdit*, typename Form::Field>> fields) {
        selector = wheelSelector;
        // Pushes block these signals, so only the user's typing and the spin
        // buttons reach the entries.
        for (const auto& [edit, field] : fields) {
            QObject::connect(edit, &QLineEdit::textChanged, this,
                             [this, edit = edit, field = field] {
                                 // Text on its way to a number keeps the last good value.
                                 if (exchange.Take(edit, TakeReason::Typing)) {
                                     form.ApplyField(field);
                                 }
                             });
        }
        QObject::connect(selector, &WheelSelector::SelectionChanged, this,
                         [this](std::uint32_t mask) {
                             form.SetSelection(mask);
                             exchange.Push();
                             ApplyEnables();
                         });
        ShowSelection();
    }

    virtual void ApplyEnables() = 0;

    Form& form;

private:
    void ShowSelection() {
        selector->SetMask(form.selection);
        exchange.Push();
        ApplyEnables();
    }

    WheelSelector* selector = nullptr;
};

}  // namespace rw
