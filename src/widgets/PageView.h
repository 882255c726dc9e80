#pragma once

#include <QWidget>

#include "widgets/DataExchange.h"

namespace rw {

class ConfigTree;
class Dialogs;

// The base of every editor page: a widget built from its .ui template, a thin
// view over its form. A data page binds its controls to the form's members in
// its constructor (exchange.Bind, in the page's exchange order) and overrides
// FillFromTree and StoreToTree, typically as
//
//     void FillFromTree(const ConfigTree& tree) override {
//         form.FillFromTree(tree);
//         exchange.Push();
//     }
//     void StoreToTree(ConfigTree& tree) override {
//         exchange.Take(TakeReason::Action);
//         form.StoreToTree(tree);
//     }
//
// A failed take stops at the field that did not parse; what was taken before
// it is stored, the rest keeps its previous values. Enter and Escape do
// nothing anywhere on a page.
class PageView : public QWidget {
    Q_OBJECT

public:
    PageView(Dialogs& dialogs, QWidget* parent = nullptr);

    // Data pages only; the base does nothing.
    virtual void FillFromTree(const ConfigTree& tree);
    virtual void StoreToTree(ConfigTree& tree);
    // The General page's fields follow the document-open flag.
    virtual void EnableFields(bool enabled);
    // The Calculations page, run just before its tab is shown.
    virtual void Recalculate();
    // Takes the controls' current contents into the bound values, as for an
    // action (a prompt at the first field that does not parse); another page
    // that derives figures from this one's values runs it first.
    bool TakeControls();

protected:
    Dialogs& dialogs;
    DataExchange exchange;
};

}  // namespace rw
