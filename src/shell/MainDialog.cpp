#include "shell/MainDialog.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
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

    host.onControlStates = [this](const ControlStates& states) { SetControlStates(states); };
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

    connect(ui->loadButton, &QPushButton::clicked, this,
            [this] { RunDocumentOperation([this] { document.Load(); }); });
    connect(ui->newButton, &QPushButton::clicked, this,
            [this] { RunDocumentOperation([this] { document.New(); }); });
    connect(ui->saveButton, &QPushButton::clicked, this, [this] {
        if (TakeAllPages()) {
            RunDocumentOperation([this] { document.Save(); });
        }
    });
    connect(ui->saveAsButton, &QPushButton::clicked, this, [this] {
        if (TakeAllPages()) {
            RunDocumentOperation([this] { document.SaveAs(); });
        }
    });
    connect(ui->undoAllButton, &QPushButton::clicked, this,
            [this] { RunDocumentOperation([this] { document.UndoAll(); }); });
    connect(ui->notepadButton, &QPushButton::clicked, this,
            [this] { RunDocumentOperation([this] { document.Notepad(); }); });
    connect(ui->aboutButton, &QPushButton::clicked, this, &MainDialog::ShowAbout);
    connect(ui->exitButton, &QPushButton::clicked, this, &QDialog::accept);
    AddShortcuts();

    categoryButtons[0]->setChecked(true);
    BuildPageTabRow();
    document.RefreshFromDocument();
}

MainDialog::~MainDialog() = default;

void MainDialog::AddShortcuts() {
    // Each key clicks its button, so a disabled button's key does nothing.
    // F1 stands in for the window menu's About entry, which the window
    // manager owns here.
    const std::pair<QAbstractButton*, QKeySequence> buttonKeys[] = {
        {ui->loadButton, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {ui->newButton, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {ui->saveButton, QKeySequence(Qt::CTRL | Qt::Key_S)},
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
    const QByteArray bytes = QFile::encodeName(file);
    // The same load as after choosing the file in Load's dialog.
    RunDocumentOperation([&] {
        document.LoadAtStart(
            std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
}

void MainDialog::RunDocumentOperation(const std::function<void()>& operation) {
    host.BeginOperation();
    operation();
    host.EndOperation();
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

void MainDialog::SetControlStates(const ControlStates& states) {
    ui->saveButton->setEnabled(states.saveUndoNotepad);
    ui->undoAllButton->setEnabled(states.saveUndoNotepad);
    ui->notepadButton->setEnabled(states.saveUndoNotepad);
    ui->saveAsButton->setEnabled(states.saveAsAndTabs);
    for (QAbstractButton* button : categoryButtons) {
        button->setEnabled(states.saveAsAndTabs);
    }
    ui->pageTabBar->setEnabled(states.saveAsAndTabs);
    // The page shown stays visible but takes no input without a document.
    ui->pageStack->setEnabled(states.saveAsAndTabs);
}

void MainDialog::SetCarPathText(const std::string& text) {
    ui->carPathLabel->setText(PathText(text));
    ui->carPathLabel->setToolTip(PathText(text));
    if (document.IsOpen() && document.DocumentPath() != kUnsavedPath) {
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
