#include "shell/MainDialog.h"

#include <QFile>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>

#include "shell/AboutDialog.h"
#include "ui_MainDialog.h"
#include "widgets/Dialogs.h"
#include "widgets/EnterEscapeFilter.h"
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
    setWindowFlags((windowFlags() | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) &
                   ~Qt::WindowContextHelpButtonHint);
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
        connect(categoryButtons[i], &QAbstractButton::clicked, this,
                [this, i] { SelectCategory(static_cast<PageCategory>(i)); });
    }
    connect(ui->pageTabBar, &QTabBar::currentChanged, this, &MainDialog::OnPageTabChanged);

    views = createPages(forms, dialogs, ui->pageStack);
    for (PageView* view : views) {
        ui->pageStack->addWidget(view);
    }
    pages.SetViews(views);

    connect(ui->loadButton, &QPushButton::clicked, this,
            [this] { RunDocumentOperation([this] { document.Load(); }); });
    connect(ui->newButton, &QPushButton::clicked, this,
            [this] { RunDocumentOperation([this] { document.New(); }); });
    connect(ui->saveButton, &QPushButton::clicked, this,
            [this] { RunDocumentOperation([this] { document.Save(); }); });
    connect(ui->saveAsButton, &QPushButton::clicked, this,
            [this] { RunDocumentOperation([this] { document.SaveAs(); }); });
    connect(ui->undoAllButton, &QPushButton::clicked, this,
            [this] { RunDocumentOperation([this] { document.UndoAll(); }); });
    connect(ui->notepadButton, &QPushButton::clicked, this,
            [this] { RunDocumentOperation([this] { document.Notepad(); }); });
    connect(ui->aboutButton, &QPushButton::clicked, this, &MainDialog::ShowAbout);
    connect(ui->exitButton, &QPushButton::clicked, this, &QDialog::accept);
    // The window manager owns the window menu, so F1 takes the About entry's place.
    auto* aboutKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(aboutKey, &QShortcut::activated, this, &MainDialog::ShowAbout);

    categoryButtons[0]->setChecked(true);
    BuildPageTabRow();
    document.RefreshFromDocument();
}

MainDialog::~MainDialog() = default;

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
        view->Recalculate();
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
