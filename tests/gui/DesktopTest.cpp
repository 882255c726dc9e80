#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyle>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <fstream>
#include <set>

#include "ScriptedDialogs.h"
#include "shell/MainDialog.h"
#include "widgets/PageView.h"
#include "widgets/QtDialogs.h"

namespace rw {
namespace {

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void Press(QKeyCombination key) {
        QTest::keyClick(&window, key.key(), key.keyboardModifiers());
    }
    QTabBar* Tabs() { return window.findChild<QTabBar*>("pageTabBar"); }
    // The title of the modal dialog the key opens, which is then closed.
    QString ModalTitleAfter(QKeyCombination key) {
        QString title;
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                title = modal->windowTitle();
                modal->close();
            }
        });
        Press(key);
        return title;
    }
    std::string WriteCar(const char* name) {
        const std::string path = dir.filePath(name).toStdString();
        std::ofstream(path, std::ios::binary) << "car\r\n{\r\n   wheels=4\r\n}\r\n";
        return path;
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainDialog window{dialogs};
};

TEST_F(DesktopTest, ShortcutsPressTheirButtonsAndStepThePageTabs) {
    // Without a document only Load, New, About and Exit answer.
    for (QKeyCombination key : {Qt::CTRL | Qt::Key_S, Qt::CTRL | Qt::SHIFT | Qt::Key_S,
                                Qt::CTRL | Qt::Key_Tab, Qt::ALT | Qt::Key_2}) {
        Press(key);
    }
    EXPECT_TRUE(dialogs.fileRequests.empty());
    EXPECT_EQ(window.SelectedCategory(), PageCategory::Info);
    dialogs.files = {std::nullopt, std::nullopt};
    Press(Qt::CTRL | Qt::Key_O);
    Press(Qt::CTRL | Qt::Key_N);
    EXPECT_EQ(window.Document().DocumentPath(), "Unsaved");
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_FALSE(dialogs.fileRequests[0].save);
    EXPECT_TRUE(dialogs.fileRequests[1].save);

    Press(Qt::ALT | Qt::Key_2);
    EXPECT_EQ(window.SelectedCategory(), PageCategory::Physics);
    const std::pair<QKeyCombination, int> steps[] = {{Qt::CTRL | Qt::Key_Tab, 1},
                                                     {Qt::CTRL | Qt::Key_PageDown, 2},
                                                     {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 1},
                                                     {Qt::CTRL | Qt::Key_PageUp, 0},
                                                     {Qt::CTRL | Qt::Key_PageUp, 8},
                                                     {Qt::CTRL | Qt::Key_Tab, 0}};
    for (const auto& [key, index] : steps) {
        Press(key);
        EXPECT_EQ(Tabs()->currentIndex(), index) << QKeySequence(key).toString().toStdString();
    }
    Press(Qt::ALT | Qt::Key_3);
    EXPECT_EQ(window.SelectedCategory(), PageCategory::Presentation);
    Press(Qt::ALT | Qt::Key_1);
    EXPECT_EQ(window.SelectedCategory(), PageCategory::Info);

    EXPECT_EQ(window.findChild<QPushButton*>("saveAsButton")->toolTip(), "Save As (Ctrl+Shift+S)");
    EXPECT_EQ(ModalTitleAfter(Qt::Key_F1), "About TAVIX Rigwright");
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Press(Qt::CTRL | Qt::Key_Q);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(DesktopTest, DropLoadsOneLocalFileAndRefusesAnythingElse) {
    const std::string path = WriteCar("dropped.ini");
    QSignalSpy documentFiles(&window, &MainDialog::DocumentFileChanged);
    auto drag = [&](QMimeData& data, bool drop) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        if (drop && enter.isAccepted()) {
            QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton,
                               Qt::NoModifier);
            QApplication::sendEvent(&window, &dropped);
        }
        return enter.isAccepted();
    };
    QMimeData text, web, two, folder, file;
    text.setText(QString::fromStdString(path));
    web.setUrls({QUrl("https://example.com/car.ini")});
    two.setUrls({QUrl::fromLocalFile(QString::fromStdString(path)), QUrl::fromLocalFile("/tmp/b")});
    folder.setUrls({QUrl::fromLocalFile(dir.path())});
    file.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    for (QMimeData* refused : {&text, &web, &two, &folder}) {
        EXPECT_FALSE(drag(*refused, true));
    }
    EXPECT_FALSE(window.Document().IsOpen());
    EXPECT_TRUE(drag(file, true));
    EXPECT_EQ(window.Document().DocumentPath(), path);
    EXPECT_EQ(window.findChild<QLabel*>("carPathLabel")->text().toStdString(), path);
    ASSERT_EQ(documentFiles.size(), 1);
    EXPECT_EQ(documentFiles[0][0].toString().toStdString(), path);
    EXPECT_TRUE(dialogs.messages.empty());
}

// Every interactive control of the window and of every page: its accessible
// name and its group's name, for any control without a name or with the
// name of another in the same group.
void CheckNames(QAccessibleInterface* node, const QString& group, std::set<QString>& groupNames,
                QStringList& faults) {
    static const std::set<QAccessible::Role> interactive = {
        QAccessible::EditableText, QAccessible::SpinBox,     QAccessible::PushButton,
        QAccessible::CheckBox,     QAccessible::RadioButton, QAccessible::List,
        QAccessible::ButtonMenu};
    if (node->state().invisible) {
        return;
    }
    const QString name = node->text(QAccessible::Name);
    if (interactive.count(node->role())) {
        if (name.trimmed().isEmpty()) {
            faults << group + ": nameless " +
                          (node->object() ? node->object()->objectName() : QString("item"));
        } else if (!groupNames.insert(name).second) {
            faults << group + ": twice " + name;
        }
    }
    // Qt keeps items of removed tabs; the tab texts are fixed anyway.
    if (node->role() == QAccessible::PageTabList) {
        return;
    }
    std::set<QString> innerNames;
    const bool grouping = node->role() == QAccessible::Grouping;
    for (int i = 0; i < node->childCount(); ++i) {
        CheckNames(node->child(i), grouping ? name : group, grouping ? innerNames : groupNames,
                   faults);
    }
}

TEST_F(DesktopTest, EveryControlOfEveryPageHasAnAccessibleName) {
    dialogs.files = {std::nullopt};
    window.Document().New();
    QStringList faults, groups;
    for (QAbstractButton* category : window.findChildren<QAbstractButton*>(
             QRegularExpression("^(info|physics|presentation)Button$"))) {
        category->click();
        for (int tab = 0; tab < Tabs()->count(); ++tab) {
            Tabs()->setCurrentIndex(tab);
            // Tab goes from the tab row into the page shown, not past it.
            QWidget* next = Tabs()->nextInFocusChain();
            while (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisible() ||
                   !next->isEnabled()) {
                next = next->nextInFocusChain();
            }
            if (!window.ShownPage()->findChildren<QLineEdit*>().isEmpty()) {
                EXPECT_TRUE(window.ShownPage()->isAncestorOf(next))
                    << next->objectName().toStdString();
            }
            std::set<QString> names;
            CheckNames(QAccessible::queryAccessibleInterface(&window), Tabs()->tabText(tab), names,
                       faults);
        }
    }
    for (QGroupBox* group : window.findChildren<QGroupBox*>()) {
        groups << QAccessible::queryAccessibleInterface(group)->text(QAccessible::Name);
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
    EXPECT_TRUE(groups.contains("Angle") && groups.contains("Application Centre"));
}

// In a light and a dark palette the checked category and wheel buttons take
// the highlight. With RIGWRIGHT_SCREENSHOTS set to a folder, the Wheels page
// is saved there as light.png and dark.png.
TEST(LookTest, CheckedButtonsTakeTheHighlightInLightAndDarkPalettes) {
    const QPalette original = QApplication::palette();
    const QString originalStyle = QApplication::style()->name();
    QApplication::setStyle("Fusion");
    QPalette dark(Qt::white, QColor(53, 53, 53), QColor(80, 80, 80), QColor(25, 25, 25),
                  QColor(70, 70, 70), Qt::white, Qt::white, QColor(35, 35, 35), QColor(53, 53, 53));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    for (const auto& [name, palette] :
         {std::pair{"light", QApplication::style()->standardPalette()}, std::pair{"dark", dark}}) {
        QApplication::setPalette(palette);
        ScriptedDialogs dialogs;
        MainDialog window(dialogs);
        window.show();
        window.LoadAtStart(RIGWRIGHT_SOURCE_DIR "/examples/sample-car.ini");
        window.findChild<QPushButton*>("physicsButton")->click();
        window.findChild<QTabBar*>("pageTabBar")->setCurrentIndex(5);
        QTest::mouseClick(window.ShownPage()->findChild<QPushButton*>("rightFrontButton"),
                          Qt::LeftButton);
        for (const char* button : {"physicsButton", "infoButton", "leftFrontButton",
                                   "rightFrontButton", "leftRearButton", "rightRearButton"}) {
            QPushButton* shown = window.ShownPage()->findChild<QPushButton*>(button);
            shown = shown ? shown : window.findChild<QPushButton*>(button);
            EXPECT_EQ(shown->palette().color(QPalette::Button),
                      palette.color(shown->isChecked() ? QPalette::Highlight : QPalette::Button))
                << name << button;
        }
        EXPECT_TRUE(window.ShownPage()->findChild<QPushButton*>("rightFrontButton")->isChecked());
        if (qEnvironmentVariableIsSet("RIGWRIGHT_SCREENSHOTS")) {
            window.resize(window.sizeHint());
            window.grab().save(qEnvironmentVariable("RIGWRIGHT_SCREENSHOTS") + "/" + name + ".png");
        }
    }
    QApplication::setStyle(originalStyle);
    QApplication::setPalette(original);
}

TEST(QtDialogsTest, FileDialogsStartInTheFolderLastUsed) {
    QtDialogs dialogs;
    QTemporaryDir first, second;
    // Opens the dialog, notes its folder and picks `pick`, or cancels.
    auto startFolder = [&](const QString& pick) {
        QString folder;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                return;
            }
            folder = dialog->directory().absolutePath();
            dialog->selectFile(pick);
            // QFileDialog's own accept() is not public.
            pick.isEmpty() ? dialog->reject() : static_cast<QDialog*>(dialog)->accept();
        });
        dialogs.ChooseOpenFile("Select an INI File", "Tavix INI Files (*.ini)|*.ini||");
        return folder;
    };
    EXPECT_EQ(startFolder({}), QDir::homePath());
    dialogs.SetStartFolderOf(first.filePath("car.ini"));
    EXPECT_EQ(startFolder(second.filePath("other.ini")), QDir(first.path()).absolutePath());
    EXPECT_EQ(startFolder({}), QDir(second.path()).absolutePath());
}

}  // namespace
}  // namespace rw
