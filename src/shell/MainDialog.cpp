#include "shell/MainDialog.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>
#include <algorithm>

#include "shell/AboutDialog.h"
#include "ui_MainDialog.h"
#include "widgets/Accessibility.h"
#include "widgets/Dialogs.h"
#include "widgets/EnterEscapeFilter.h"
#include "widgets/Look.h"
#include "widgets/PageView.h"

// The resources live in a static library; their registration must be asked for.
static void InitResources() {
    Q_INIT_RESOURCE(rigwright);
}

namespace rw {

namespace {

QString PathText(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

// The one local file a drag carries, or an empty text for anything else.
QString DroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().front().isLocalFile()) {
        return {};
    }
    const QString path = data->urls().front().toLocalFile();
    return QFileInfo(path).isDir() ? QString() : path;
}

// Long enough for a writer to finish, short enough to feel at once.
constexpr int kDiskSettleMs = 150;
// A modified check quicker than this follows every edit at once.
constexpr qint64 kInstantMs = 16;
constexpr qint64 kMaxTitleDelayMs = 2000;

}  // namespace

MainDialog::MainDialog(Dialogs& dialogs, const PageFactory& createPages, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::MainDialog>()),
      dialogs(dialogs),
      pages(forms),
      host(dialogs),
      document(host, pages) {
    InitResources();
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::Window | Qt::WindowMinimizeButtonHint |
                    Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint) &
                   ~Qt::WindowContextHelpButtonHint);
    setSizeGripEnabled(true);
    setAcceptDrops(true);
    setWindowIcon(QIcon(QStringLiteral(":/rigwright.png")));
    new EnterEscapeFilter(this);

    host.onState = [this](const DocumentState& state) { ShowState(state); };
    host.onCarPathText = [this](const std::string& text) { SetCarPathText(text); };

    // Every tab of a category stays in view; the window grows to fit them.
    ui->pageTabBar->setUsesScrollButtons(false);
    ui->pageTabBar->setExpanding(false);
    ui->pageTabBar->setElideMode(Qt::ElideNone);
    ui->pageTabBar->setDrawBase(true);

    categoryButtons = {ui->infoButton, ui->physicsButton, ui->presentationButton};
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        HighlightWhenChecked(categoryButtons[i]);
        connect(categoryButtons[i], &QAbstractButton::clicked, this,
                [this, i] { SelectCategory(static_cast<PageCategory>(i)); });
    }
    connect(ui->pageTabBar, &QTabBar::currentChanged, this, &MainDialog::OnPageTabChanged);

    views = createPages(forms, dialogs, ui->pageStack);
    for (const PageRow& row : kPages) {
        PageView* view = views[PageIndex(row.id)];
        // Prompts name the page by its tab label.
        view->setWindowTitle(QString::fromLatin1(row.label));
        ui->pageStack->addWidget(view);
        NameStepArrows(view);
        FitNumberFields(view);
    }
    pages.SetViews(views);
    PlacePagesInTabOrder();

    connect(ui->loadButton, &QPushButton::clicked, this, [this] {
        if (MayDiscardChanges()) {
            RunDocumentOperation([this] { document.Load(); });
        }
    });
    connect(ui->newButton, &QPushButton::clicked, this, [this] {
        if (MayDiscardChanges()) {
            RunDocumentOperation([this] { document.New(); });
        }
    });
    connect(ui->saveButton, &QPushButton::clicked, this, [this] { SaveFromWindow(false); });
    connect(ui->saveAsButton, &QPushButton::clicked, this, [this] { SaveFromWindow(true); });
    connect(ui->undoAllButton, &QPushButton::clicked, this,
            [this] { RunDocumentOperation([this] { document.UndoAll(); }); });
    connect(ui->notepadButton, &QPushButton::clicked, this,
            [this] { RunDocumentOperation([this] { document.Notepad(); }); });
    connect(ui->aboutButton, &QPushButton::clicked, this, &MainDialog::ShowAbout);
    connect(ui->exitButton, &QPushButton::clicked, this, &QDialog::accept);
    AddShortcuts();

    titleTimer.setSingleShot(true);
    titleTimer.setInterval(0);
    connect(&titleTimer, &QTimer::timeout, this, &MainDialog::UpdateTitle);
    diskTimer.setSingleShot(true);
    diskTimer.setInterval(kDiskSettleMs);
    connect(&diskTimer, &QTimer::timeout, this, &MainDialog::OnDiskChange);
    connect(&watcher, &QFileSystemWatcher::fileChanged, &diskTimer, qOverload<>(&QTimer::start));
    connect(&watcher, &QFileSystemWatcher::directoryChanged, &diskTimer,
            qOverload<>(&QTimer::start));
    connect(ui->reloadButton, &QPushButton::clicked, this, [this] {
        ui->diskBar->hide();
        RunDocumentOperation([this] { document.UndoAll(); });
    });
    connect(ui->keepButton, &QPushButton::clicked, ui->diskBar, &QWidget::hide);
    connect(ui->closeBarButton, &QPushButton::clicked, ui->diskBar, &QWidget::hide);
    WatchPageEdits();
    // The pages set some values of their own as they are made; a new car
    // starts from those.
    forms.RememberInitial();

    categoryButtons[0]->setChecked(true);
    BuildPageTabRow();
    document.RefreshFromDocument();
    history.Start();
    UpdateTitle();
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
        if (old != nullptr && ui->pageStack->isAncestorOf(old)) {
            // Pages move the focus inside their own handlers (a deleted wing
            // focuses the list before it shows the next one): the step waits
            // for the handler to finish, and for no more than that.
            FlushCommit();
            pendingCommit = old;
            QMetaObject::invokeMethod(this, &MainDialog::FlushCommit, Qt::QueuedConnection);
        }
    });
}

MainDialog::~MainDialog() {
    // Closing moves the focus while the members are already going.
    disconnect(qApp, nullptr, this, nullptr);
    qApp->removeEventFilter(this);
}

void MainDialog::AddShortcuts() {
    // Each key clicks its button, so a disabled button's key does nothing.
    // F1 stands in for the window menu's About entry, which the window
    // manager owns here.
    const std::pair<QAbstractButton*, QKeySequence> buttonKeys[] = {
        {ui->loadButton, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {ui->newButton, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {ui->saveAsButton, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {ui->exitButton, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {ui->aboutButton, QKeySequence(Qt::Key_F1)},
        {ui->infoButton, QKeySequence(Qt::ALT | Qt::Key_1)},
        {ui->physicsButton, QKeySequence(Qt::ALT | Qt::Key_2)},
        {ui->presentationButton, QKeySequence(Qt::ALT | Qt::Key_3)},
    };
    for (const auto& [button, key] : buttonKeys) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
        button->setToolTip(QStringLiteral("%1 (%2)").arg(button->text().remove(u'&'),
                                                         key.toString(QKeySequence::NativeText)));
    }
    // Save is disabled for a new car; its key saves it under a name then.
    const QKeySequence saveKey(Qt::CTRL | Qt::Key_S);
    connect(new QShortcut(saveKey, this), &QShortcut::activated, this,
            [this] { (ui->saveButton->isEnabled() ? ui->saveButton : ui->saveAsButton)->click(); });
    ui->saveButton->setToolTip(
        QStringLiteral("Save (%1)").arg(saveKey.toString(QKeySequence::NativeText)));
    const std::pair<QKeySequence, int> tabKeys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& [key, step] : tabKeys) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { StepPageTab(step); });
    }
}

void MainDialog::PlacePagesInTabOrder() {
    // Pages join the window after its own controls; Tab should pass through
    // the page shown between the page tab row and Notepad.
    QWidget* previous = ui->pageTabBar;
    for (PageView* view : views) {
        std::vector<QWidget*> chain;
        for (QWidget* widget = view->nextInFocusChain();
             widget != nullptr && view->isAncestorOf(widget); widget = widget->nextInFocusChain()) {
            chain.push_back(widget);
        }
        for (QWidget* widget : chain) {
            if (widget->focusPolicy() & Qt::TabFocus) {
                QWidget::setTabOrder(previous, widget);
                previous = widget;
            }
        }
    }
}

void MainDialog::StepPageTab(int step) {
    const int count = ui->pageTabBar->count();
    if (!ui->pageTabBar->isEnabled() || count == 0) {
        return;
    }
    ui->pageTabBar->setCurrentIndex((ui->pageTabBar->currentIndex() + step + count) % count);
}

void MainDialog::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainDialog::dragMoveEvent(QDragMoveEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void MainDialog::dropEvent(QDropEvent* event) {
    const QString file = DroppedFile(event->mimeData());
    if (file.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (!MayDiscardChanges()) {
        return;
    }
    const QByteArray bytes = QFile::encodeName(file);
    // The same load as after choosing the file in Load's dialog.
    RunDocumentOperation([&] {
        document.LoadAtStart(
            std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
}

void MainDialog::RunDocumentOperation(const std::function<void()>& operation) {
    ++operationDepth;
    const std::uint64_t car = document.Generation();
    host.BeginOperation();
    operation();
    host.EndOperation();
    --operationDepth;
    // Another car starts another history; an Undo All or a reload is a
    // step that can be taken back.
    RememberFocusedText();
    if (document.Generation() != car) {
        history.Start();
    } else if (const std::optional<PageId> shown = PageOf(ui->pageStack->currentWidget())) {
        history.Record({*shown, {}});
    }
    WatchDocumentFile();
    // What the bar said is settled by whatever the operation read or wrote.
    if (ui->diskBar->isVisible() && document.CheckDisk() == DiskChange::None) {
        ui->diskBar->hide();
    }
    UpdateTitle();
}

bool MainDialog::SaveFromWindow(bool saveAs) {
    if (!document.IsOpen() || !TakeAllPages()) {
        return false;
    }
    if (QWidget* focused = QApplication::focusWidget()) {
        CommitEdit(focused);
    }
    bool written = false;
    RunDocumentOperation([&] {
        written = saveAs || !document.IsFileBacked() ? document.SaveAs() : document.Save();
    });
    return written;
}

bool MainDialog::MayDiscardChanges() {
    if (!document.IsModified()) {
        return true;
    }
    const std::string text =
        "Save changes to \"" + Excerpt(document.DisplayName()) + "\" before closing it?";
    switch (dialogs.ShowMessage(text, kAppCaption, MessageIcon::Exclamation,
                                MessageButtons::SaveDiscardCancel)) {
        case MessageAnswer::Save:
            return SaveFromWindow(false);
        case MessageAnswer::Discard:
            return true;
        default:
            return false;
    }
}

void MainDialog::done(int result) {
    if (MayDiscardChanges()) {
        QDialog::done(result);
    }
}

QString MainDialog::ShownName() const {
    return PathText(document.DisplayName());
}

void MainDialog::UpdateTitle() {
    const QString name = ShownName();
    setWindowTitle(name.isEmpty()
                       ? QString::fromLatin1(kAppCaption)
                       : name + QStringLiteral("[*] \u2013 ") + QString::fromLatin1(kAppCaption));
    QElapsedTimer clock;
    clock.start();
    setWindowModified(document.IsModified());
    // The check costs next to nothing for a real car, but a car of 100,000
    // wings takes a quarter of a second: there it waits for a pause in the
    // typing instead of following every key.
    const qint64 took = clock.elapsed();
    titleTimer.setInterval(
        took < kInstantMs ? 0 : static_cast<int>(std::min<qint64>(took * 10, kMaxTitleDelayMs)));
}

void MainDialog::FlushCommit() {
    QWidget* left = pendingCommit;
    pendingCommit = nullptr;
    CommitEdit(left);
}

void MainDialog::CommitEdit(QWidget* from) {
    if (pendingCommit != nullptr && pendingCommit != from) {
        FlushCommit();
    }
    pendingCommit = nullptr;
    const std::optional<PageId> page = PageOf(from);
    if (restoring || !page || !document.IsOpen()) {
        return;
    }
    // A field that does not parse stays out of the step, as it stays out of
    // the form.
    views[PageIndex(*page)]->TakeControls();
    history.Record({*page, from->objectName().toStdString()});
}

std::optional<PageId> MainDialog::PageOf(const QWidget* widget) const {
    for (const PageRow& row : kPages) {
        const PageView* view = views[PageIndex(row.id)];
        if (widget != nullptr && (view == widget || view->isAncestorOf(widget))) {
            return row.id;
        }
    }
    return std::nullopt;
}

void MainDialog::StepHistory(bool undo) {
    if (QWidget* focused = QApplication::focusWidget()) {
        CommitEdit(focused);
    }
    const std::optional<EditHistory::Moved> moved = undo ? history.Undo() : history.Redo();
    if (!moved) {
        return;
    }
    restoring = true;
    for (const PageId page : moved->pages) {
        views[PageIndex(page)]->ShowForm();
    }
    ShowSlot(moved->place.page);
    PageView* view = views[PageIndex(moved->place.page)];
    QWidget* field = view->findChild<QWidget*>(QString::fromStdString(moved->place.field));
    (field != nullptr ? field : view)->setFocus(Qt::OtherFocusReason);
    restoring = false;
    RememberFocusedText();
    UpdateTitle();
}

void MainDialog::RememberFocusedText() {
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (edit != nullptr && ui->pageStack->isAncestorOf(edit)) {
        focusedEdit = edit;
        focusedText = edit->text();
    }
}

bool MainDialog::RevertField() {
    if (focusedEdit == nullptr || focusedEdit != QApplication::focusWidget() ||
        focusedEdit->text() == focusedText) {
        return false;
    }
    // As typing would: the pages that follow the typing take it.
    focusedEdit->setText(focusedText);
    focusedEdit->selectAll();
    titleTimer.start();
    return true;
}

bool MainDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) {
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonPress) {
        // The user's next act comes after the edit that the focus left.
        FlushCommit();
    } else if (event->type() == QEvent::FocusIn) {
        RememberFocusedText();
    } else if (event->type() == QEvent::KeyPress) {
        FlushCommit();
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo)) {
            if (!RevertField()) {
                StepHistory(true);
            }
            return true;
        }
        if (key->matches(QKeySequence::Redo) ||
            (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier)) {
            StepHistory(false);
            return true;
        }
        if (key->key() == Qt::Key_Escape && RevertField()) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MainDialog::WatchPageEdits() {
    // Pushes block these signals, so only the user's edits arrive.
    const auto later = [this] { titleTimer.start(); };
    for (QLineEdit* edit : ui->pageStack->findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::textChanged, &titleTimer, later);
    }
    for (QPlainTextEdit* edit : ui->pageStack->findChildren<QPlainTextEdit*>()) {
        connect(edit, &QPlainTextEdit::textChanged, &titleTimer, later);
    }
    for (QAbstractButton* button : ui->pageStack->findChildren<QAbstractButton*>()) {
        // After the page's own handler: a tick, a radio button, a spin
        // button, a wing added or deleted, a file picked.
        connect(button, &QAbstractButton::clicked, this, [this, button] { CommitEdit(button); });
        connect(button, &QAbstractButton::clicked, &titleTimer, later);
        connect(button, &QAbstractButton::toggled, &titleTimer, later);
    }
}

void MainDialog::WatchDocumentFile() {
    const QStringList watched = watcher.files() + watcher.directories();
    if (!watched.isEmpty()) {
        watcher.removePaths(watched);
    }
    if (!document.IsFileBacked()) {
        return;
    }
    // The folder too: editors and version control replace a file by renaming
    // another over it, or delete it and write it anew.
    const QString path = PathText(document.DocumentPath());
    const QFileInfo file(path);
    if (file.absoluteDir().exists()) {
        watcher.addPath(file.absolutePath());
    }
    if (file.exists()) {
        watcher.addPath(path);
    }
}

void MainDialog::CheckDiskNow() {
    diskTimer.stop();
    OnDiskChange();
}

void MainDialog::OnDiskChange() {
    // Never in the middle of an operation or under a box or dialog: look
    // again once it is over.
    const QWidget* modal = QApplication::activeModalWidget();
    if (operationDepth > 0 || (modal != nullptr && modal != this)) {
        diskTimer.start();
        return;
    }
    WatchDocumentFile();
    const QString name = ShownName();
    switch (document.CheckDisk()) {
        case DiskChange::None:
            return;
        case DiskChange::Missing:
            ShowDiskBar(BarKind::Notice,
                        QStringLiteral("\"%1\" was deleted or moved by another program. Save "
                                       "writes it again.")
                            .arg(name));
            return;
        case DiskChange::Changed:
            break;
    }
    if (!document.IsModified()) {
        bool reloaded = false;
        RunDocumentOperation([&] { reloaded = document.Reload(); });
        if (reloaded) {
            ShowDiskBar(
                BarKind::Notice,
                QStringLiteral("Reloaded \"%1\": it was changed by another program.").arg(name));
            return;
        }
    }
    ShowDiskBar(BarKind::Conflict,
                QStringLiteral("\"%1\" was changed by another program.").arg(name));
}

void MainDialog::ShowDiskBar(BarKind kind, const QString& text) {
    ui->diskBarLabel->setText(text);
    ui->diskBar->setAccessibleDescription(text);
    ui->reloadButton->setVisible(kind == BarKind::Conflict);
    ui->keepButton->setVisible(kind == BarKind::Conflict);
    ui->closeBarButton->setVisible(kind == BarKind::Notice);
    ui->diskBar->show();
}

void MainDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && document.IsFileBacked()) {
        diskTimer.start();
    }
}

void MainDialog::LoadAtStart(const std::string& path) {
    RunDocumentOperation([&] { document.LoadAtStart(path); });
}

void MainDialog::ShowAbout() {
    AboutDialog about(this);
    about.exec();
}

bool MainDialog::TakeAllPages() {
    if (std::optional<std::pair<PageId, BadField>> bad = FirstBadField(kStoreOrder)) {
        ReportBadField(bad->first, bad->second);
        return false;
    }
    return true;
}

std::optional<std::pair<PageId, BadField>> MainDialog::FirstBadField(
    std::span<const PageId> pageSlots) {
    for (PageId slot : pageSlots) {
        if (PageView* view = View(slot)) {
            if (std::optional<BadField> bad = view->TakeControls()) {
                return std::make_pair(slot, std::move(*bad));
            }
        }
    }
    return std::nullopt;
}

void MainDialog::ReportBadField(PageId slot, const BadField& bad) {
    ShowSlot(slot);
    DataExchange::ReportBadField(dialogs, bad, View(slot));
}

void MainDialog::ShowSlot(PageId slot) {
    SelectCategory(CategoryOf(slot));
    const std::vector<PageId>& list = ShownSlots();
    const auto at = std::find(list.begin(), list.end(), slot);
    if (at == list.end()) {
        return;
    }
    const QSignalBlocker blocker(ui->pageTabBar);
    ui->pageTabBar->setCurrentIndex(static_cast<int>(at - list.begin()));
    ui->pageStack->setCurrentWidget(View(slot));
}

void MainDialog::ShowState(const DocumentState& state) {
    // Save, Undo All and Notepad need a file of the document's own.
    ui->saveButton->setEnabled(state.fileBacked);
    ui->undoAllButton->setEnabled(state.fileBacked);
    ui->notepadButton->setEnabled(state.fileBacked);
    ui->saveAsButton->setEnabled(state.open);
    for (QAbstractButton* button : categoryButtons) {
        button->setEnabled(state.open);
    }
    ui->pageTabBar->setEnabled(state.open);
    // The page shown stays visible but takes no input without a document.
    ui->pageStack->setEnabled(state.open);
}

void MainDialog::SetCarPathText(const std::string& text) {
    ui->carPathLabel->setText(PathText(text));
    ui->carPathLabel->setToolTip(PathText(text));
    if (document.IsFileBacked()) {
        emit DocumentFileChanged(PathText(document.DocumentPath()));
    }
}

void MainDialog::SelectCategory(PageCategory selected) {
    categoryButtons[static_cast<std::size_t>(selected)]->setChecked(true);
    if (selected == category) {
        return;
    }
    category = selected;
    BuildPageTabRow();
}

void MainDialog::BuildPageTabRow() {
    ++tabRowBuilds;
    std::vector<PageId>& list = lists[static_cast<std::size_t>(category)];
    list.clear();
    {
        const QSignalBlocker blocker(ui->pageTabBar);
        while (ui->pageTabBar->count() > 0) {
            ui->pageTabBar->removeTab(0);
        }
        for (const PageRow& row : kPages) {
            if (row.category == category) {
                ui->pageTabBar->addTab(QString::fromLatin1(row.label));
                list.push_back(row.id);
            }
        }
        ui->pageTabBar->setCurrentIndex(0);
    }
    // The first page of a category is never the Calculations page, so no
    // recalculation here.
    ui->pageStack->setCurrentWidget(views[PageIndex(list.front())]);
}

void MainDialog::OnPageTabChanged(int index) {
    const std::vector<PageId>& list = ShownSlots();
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) {
        return;
    }
    const PageId page = list[static_cast<std::size_t>(index)];
    PageView* view = views[PageIndex(page)];
    CommitEdit(ui->pageStack->currentWidget());
    if (page == PageId::Calculations) {
        // The figures go on with the values the pages hold; a field there
        // that does not parse is shown and named instead of the figures.
        std::optional<std::pair<PageId, BadField>> bad = FirstBadField(kFigureSources);
        view->Recalculate();
        if (bad) {
            ReportBadField(bad->first, bad->second);
            return;
        }
    }
    ui->pageStack->setCurrentWidget(view);
}

const std::vector<PageId>& MainDialog::ShownSlots() const {
    return lists[static_cast<std::size_t>(category)];
}

PageView* MainDialog::ShownPage() const {
    return qobject_cast<PageView*>(ui->pageStack->currentWidget());
}

}  // namespace rw
