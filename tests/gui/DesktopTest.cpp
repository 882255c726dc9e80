#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
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
    EXPECT_TRUE(!dialogs.fileRequests[0].save && dialogs.fileRequests[1].save);

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
    Press(Qt::CTRL | Qt::Key_Q);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(DesktopTest, DropLoadsOneLocalFileAndRefusesAnythingElse) {
    const std::string path = RIGWRIGHT_SOURCE_DIR "/examples/sample-car.ini";
    QSignalSpy documentFiles(&window, &MainDialog::DocumentFileChanged);
    auto drag = [&](QMimeData& data) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        if (enter.isAccepted()) {
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
        EXPECT_FALSE(drag(*refused));
    }
    EXPECT_FALSE(window.Document().IsOpen());
    EXPECT_TRUE(drag(file));
    EXPECT_EQ(window.Document().DocumentPath(), path);
    EXPECT_EQ(documentFiles.size(), 1);
    EXPECT_TRUE(dialogs.messages.empty());
}

// Notes every interactive control without an accessible name, or with the
// name of another control of its group.
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
    for (const char* category : {"infoButton", "physicsButton", "presentationButton"}) {
        window.findChild<QPushButton*>(category)->click();
        for (int tab = 0; tab < Tabs()->count(); ++tab) {
            Tabs()->setCurrentIndex(tab);
            std::set<QString> names;
            CheckNames(QAccessible::queryAccessibleInterface(&window), Tabs()->tabText(tab), names,
                       faults);
        }
    }
    for (const char* group : {"angleGroup", "applicationCentreGroup"}) {
        groups << QAccessible::queryAccessibleInterface(window.findChild<QGroupBox*>(group))
                      ->text(QAccessible::Name);
    }
    QStringList figures;
    for (const char* value :
         {"frontWeightDistributionValue", "wheelbaseValue", "frontTrackValue", "rearTrackValue"}) {
        figures << QAccessible::queryAccessibleInterface(window.findChild<QWidget*>(value))
                       ->text(QAccessible::Name);
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
    EXPECT_EQ(groups, QStringList({"Angle", "Application Centre"}));
    EXPECT_EQ(figures, QStringList({"Front Weight Distribution:", "Wheelbase:",
                                    "Track Width (Front):", "Track Width (Rear):"}));
}

TEST_F(DesktopTest, FieldTipsNameTheKeyItsUnitAndTheTemplateComment) {
    struct Case {
        const char* page;
        const char* field;
        const char* tip;
    };
    const Case cases[] = {
        {"EnginePage", "maxRpmEdit", "engine.max_rpm (rpm)\nMax rpm generated by the motor"},
        // The template's comment stands above the inertia block, not the key.
        {"EnginePage", "inertiaEdit", "engine.inertia.engine (kg·m²)"},
        {"BodyPage", "massEdit",
         "body.mass (kg)\nWeight of the car's body (kg)\nThis excludes wheels, driver and fuel"},
        {"DrivelinePage", "maxTorqueEdit",
         "clutch.max_torque (Nm)\nMaximum friction the clutch can generate (Nm)"},
        {"WheelsPage", "tireRateEdit",
         "wheelN.tire_rate (N/m)\nVertical tire spring rate (when the wheel is loaded, it acts "
         "as a spring)\nIn N/m (! not N/cm)"},
        {"SuspensionPage", "antiPitchEdit", "suspN.anti_pitch"},
        {"AeroPage", "areaEdit", "aero.body.area (m²)\nFrontal area in m^2"},
        {"GeneralPage", "nameEdit", "car.name"},
        // The edit form shows the picked wing; the template comments its first.
        {"AeroPage", "angleEdit", "aero.wingN.angle (degrees)\nAngle in degrees"},
        {"AeroPage", "yEdit", "aero.wingN.center"},
        {"GearboxPage", "gearCountEdit", "gearbox.gears"},
        {"GearboxPage", "ratio2Edit", "gearbox.gear1.ratio"},
        {"GearboxPage", "reverseInertiaEdit", "gearbox.gear0.inertia"},
    };
    for (const Case& each : cases) {
        auto* field = window.findChild<QWidget*>(each.page)->findChild<QWidget*>(each.field);
        ASSERT_NE(field, nullptr) << each.page << " " << each.field;
        EXPECT_EQ(field->toolTip().toStdString(), each.tip) << each.page << " " << each.field;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(field)
                      ->text(QAccessible::Description)
                      .toStdString(),
                  each.tip);
    }
    // A reverse gear is gear0, so ticking it moves every row one key on.
    Press(Qt::CTRL | Qt::Key_N);
    auto* gearbox = window.findChild<QWidget*>("GearboxPage");
    gearbox->findChild<QAbstractButton*>("reverseGearCheck")->click();
    EXPECT_EQ(gearbox->findChild<QWidget*>("ratio2Edit")->toolTip(), "gearbox.gear2.ratio");
}

// With RIGWRIGHT_SCREENSHOTS set to a folder, the Wheels page is saved there
// as light.png and dark.png (the README's screenshots).
TEST(LookTest, CheckedButtonsTakeTheHighlightInLightAndDarkPalettes) {
    const QPalette original = QApplication::palette();
    const QString originalStyle = QApplication::style()->name();
    QApplication::setStyle("Fusion");
    QPalette dark(Qt::white, QColor(53, 53, 53), QColor(80, 80, 80), QColor(25, 25, 25),
                  QColor(70, 70, 70), Qt::white, Qt::white, QColor(35, 35, 35), QColor(53, 53, 53));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
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
