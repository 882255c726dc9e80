#pragma once

#include <QDialog>
#include <QFileSystemWatcher>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "document/CarDocument.h"
#include "forms/EditHistory.h"
#include "forms/FormSet.h"
#include "shell/EditorHost.h"
#include "shell/GuiPages.h"
#include "shell/PageRegistry.h"
#include "widgets/DataExchange.h"

class QAbstractButton;
class QLineEdit;

namespace Ui {
class MainDialog;
}

namespace rw {

class Dialogs;
class PageView;

// The editor's one window: the document buttons, the car path, the category
// and page tab rows over the page views, Notepad, About and Exit.
class MainDialog : public QDialog {
    Q_OBJECT

public:
    using PageFactory = std::function<PageViews(FormSet&, Dialogs&, QWidget*)>;

    explicit MainDialog(Dialogs& dialogs, const PageFactory& createPages = CreatePageViews,
                        QWidget* parent = nullptr);
    ~MainDialog() override;

    // The load of a file named on the command line.
    void LoadAtStart(const std::string& path);
    void ShowAbout();

    // With unsaved changes, asks whether to save them first; false when the
    // user cancelled or the save did not complete. Every operation that
    // would drop the document asks it; so does the end of a desktop session.
    bool MayDiscardChanges();
    // Exit and the window's close button end here; they ask first.
    void done(int result) override;
    // Looks at the car file on disk at once, as a change notice would.
    void CheckDiskNow();

    // A click on a category button: rebuilds the page tab row unless the
    // category is already selected.
    void SelectCategory(PageCategory category);
    PageCategory SelectedCategory() const { return category; }
    // The pages offered by the page tab row, in tab order.
    const std::vector<PageId>& ShownSlots() const;
    PageView* ShownPage() const;
    PageView* View(PageId page) const { return views[PageIndex(page)]; }
    // How often the page tab row has been built.
    int TabRowBuilds() const { return tabRowBuilds; }

    CarDocument& Document() { return document; }
    FormSet& Forms() { return forms; }

signals:
    // A car file became the document (load, drop, save as): the file dialogs
    // start in its folder from now on.
    void DocumentFileChanged(const QString& path);

protected:
    // One local file dropped on the window loads it as Load would.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Coming back to the window looks at the file on disk again, since
    // change notices can be missed.
    void changeEvent(QEvent* event) override;
    // Ctrl+Z, Ctrl+Shift+Z, Ctrl+Y and Escape anywhere in the window, before
    // a field takes them for its own history.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddShortcuts();
    void PlacePagesInTabOrder();
    // Moves the page tab row's selection by `step`, wrapping around.
    void StepPageTab(int step);
    void BuildPageTabRow();
    void OnPageTabChanged(int index);
    // Save and Save As first take every data page's controls in the store
    // order; at the first field a page cannot accept nothing is asked or
    // written: that field is shown and named. True when every page took.
    bool TakeAllPages();
    // The first field among these pages that their take cannot accept.
    std::optional<std::pair<PageId, BadField>> FirstBadField(std::span<const PageId> pageSlots);
    // Shows the field's page (category and tab), focuses and selects the
    // field and says in one box what is wrong and where.
    void ReportBadField(PageId slot, const BadField& bad);
    // Shows a page as its tab would, without recalculating.
    void ShowSlot(PageId slot);
    void ShowState(const DocumentState& state);
    void SetCarPathText(const std::string& text);
    // Runs a document operation with the host's per-operation bookkeeping,
    // then brings the title and the file watch up to date.
    void RunDocumentOperation(const std::function<void()>& operation);
    // Save or Save As from the window: the fields first. True when written.
    bool SaveFromWindow(bool saveAs);
    void UpdateTitle();
    // A finished change on the page that holds `from` (the focus left it, it
    // was clicked): the page's controls are taken, and what changed in the
    // forms since the last step is a step.
    void CommitEdit(QWidget* from);
    // The page a widget is on, or the page itself.
    std::optional<PageId> PageOf(const QWidget* widget) const;
    // The commit for the field the focus left, if it is still to come.
    void FlushCommit();
    // Undo or redo one step: its page is shown, its field focused.
    void StepHistory(bool undo);
    // Escape and the first Ctrl+Z in a field typed in give it back the text
    // it had when it got the focus; false when there was nothing to give back.
    bool RevertField();
    // A fill or an undo changes the focused field's text under it.
    void RememberFocusedText();
    // Every edit on a page updates the modified mark soon after.
    void WatchPageEdits();
    void WatchDocumentFile();
    void OnDiskChange();
    enum class BarKind { Conflict, Notice };
    void ShowDiskBar(BarKind kind, const QString& text);
    QString ShownName() const;

    std::unique_ptr<Ui::MainDialog> ui;
    Dialogs& dialogs;
    FormSet forms;
    EditHistory history{forms};
    GuiPages pages;
    EditorHost host;
    CarDocument document;
    PageViews views{};
    PageCategory category = PageCategory::Info;
    std::array<std::vector<PageId>, kCategoryCount> lists;
    std::array<QAbstractButton*, kCategoryCount> categoryButtons{};
    int tabRowBuilds = 0;
    QFileSystemWatcher watcher;
    // Edits and change notices come in bursts; one look after each burst.
    QTimer titleTimer;
    QTimer diskTimer;
    int operationDepth = 0;
    // The field with the focus, and its text when it got it.
    QPointer<QLineEdit> focusedEdit;
    QString focusedText;
    // Undo and redo show the forms; that is no edit of the user's.
    bool restoring = false;
    QPointer<QWidget> pendingCommit;
};

}  // namespace rw
