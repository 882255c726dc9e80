#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "widgets/DataExchange.h"

namespace rw {

class ConfigTree;
class Dialogs;

// The base of every editor page: a widget built from its .ui template, a thin
// view over its form. Data pages bind their controls to the form's members
// in their constructors (exchange.Bind, in the page's exchange order) and
// fill and store through their base (FormPage, SelectionPage). The window
// asks every page to TakeControls before it saves, so by the time
// StoreToTree runs every field parses. Enter and Escape do nothing anywhere
// on a page. The page's window title names it in prompts.
class PageView : public QWidget {
    Q_OBJECT

public:
    PageView(Dialogs& dialogs, QWidget* parent = nullptr);

    // Data pages only; the base does nothing.
    virtual void FillFromTree(const ConfigTree& tree);
    virtual void StoreToTree(ConfigTree& tree);
    // The General page's fields follow the document-open flag.
    virtual void EnableFields(bool enabled);
    // Shows the form's values again, as a fill does, reading no file: after
    // an undo or redo put the form back.
    virtual void ShowForm();
    // The Calculations page, run just before its tab is shown.
    virtual void Recalculate();
    // Takes the controls' current contents into the bound values, up to the
    // first field the page cannot accept, which it returns without a prompt.
    // The window runs it before a save; another page that derives figures
    // from this one's values runs it first.
    virtual std::optional<BadField> TakeControls();

    // Keys of the page's tables that no widget names, and keys that widgets
    // name but nothing binds: each is a slip between a form and its .ui file.
    std::vector<std::string> KeyFaults() const;

protected:
    // Notes keys a binding found no widget for.
    void Remember(std::vector<std::string> missing);

    Dialogs& dialogs;
    DataExchange exchange;

private:
    std::vector<std::string> unboundRows;
};

}  // namespace rw
