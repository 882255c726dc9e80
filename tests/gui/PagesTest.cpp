#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

#include "PageTestSupport.h"
#include "pages/TopView.h"
#include "widgets/DataExchange.h"
#include "widgets/NumberField.h"

namespace rw {
namespace {

using namespace test;

// A pick keeps the chosen file's name with its extension, bytes as chosen,
// in the field beside the button; a cancel keeps the field, and what was
// typed into the others stays.
TEST_F(EditorTest, EveryPickerKeepsTheFileNameAndWhatWasTyped) {
    Load("");
    const QString chosen = QString::fromUtf8("Citro\xC3\xABn 2.x");
    int pickers = 0;
    for (PageId slot : {PageId::Engine, PageId::CarModels, PageId::WheelModels, PageId::OtherModels,
                        PageId::Sounds}) {
        PageView& page = Show(slot);
        const QList<QLineEdit*> fields = page.findChildren<QLineEdit*>();
        for (QPushButton* button : page.findChildren<QPushButton*>()) {
            QString name = button->objectName();
            auto* edit = page.findChild<QLineEdit*>(name.replace("Button", "Edit"));
            if (edit == nullptr) {
                continue;
            }
            ++pickers;
            SCOPED_TRACE(button->objectName().toStdString());
            for (QLineEdit* field : fields) {
                TypeOver(field, "7");
            }
            dialogs.fileRequests.clear();
            dialogs.files = {std::nullopt, "/home/me/cars\\v8/" + chosen.toStdString()};
            QTest::mouseClick(button, Qt::LeftButton);
            EXPECT_EQ(edit->text(), "7");
            QTest::mouseClick(button, Qt::LeftButton);
            EXPECT_EQ(dialogs.fileRequests.size(), 2u);
            for (const QLineEdit* field : fields) {
                if (field == edit || field->isEnabled()) {
                    EXPECT_EQ(field->text(), field == edit ? chosen : "7")
                        << field->objectName().toStdString();
                }
            }
            EXPECT_NE(Stored(page).ToText().find("=" + chosen.toStdString() + "\r\n"),
                      std::string::npos);
        }
    }
    EXPECT_EQ(pickers, 17);
    EXPECT_TRUE(dialogs.messages.empty());
}

// The rules are the forms'; here only that a click applies them, and keeps
// what was typed.
TEST_F(EditorTest, ClicksApplyTheEnableRules) {
    // The button, the field it enables and a field typed into before the click.
    const std::tuple<PageId, const char*, const char*, const char*> toggles[] = {
        {PageId::Engine, "starterMotorCheck", "starterTorqueEdit", "maxRpmEdit"},
        {PageId::Engine, "automaticShiftingCheck", "shiftUpRpmEdit", "idleRpmEdit"},
        {PageId::Gearbox, "reverseGearCheck", "reverseRatioEdit", "gearCountEdit"},
        {PageId::Driveline, "viscousRadio", "lockingCoeffEdit", "ratioEdit"},
        {PageId::Driveline, "salisburyRadio", "coastAngleEdit", "clutchFactorEdit"},
        {PageId::Misc, "frontBarCheck", "frontStiffnessEdit", "lockEdit"},
        {PageId::Misc, "rearBarCheck", "rearStiffnessEdit", "ackermannEdit"},
    };
    Load("");
    for (const auto& [slot, button, enabled, typed] : toggles) {
        SCOPED_TRACE(button);
        PageView& page = Show(slot);
        QLineEdit* field = Find<QLineEdit>(page, enabled);
        EXPECT_FALSE(field->isEnabled());
        TypeOver(Find<QLineEdit>(page, typed), "5");
        Click(page, button);
        EXPECT_TRUE(field->isEnabled());
        EXPECT_EQ(Find<QLineEdit>(page, typed)->text(), "5");
    }
    EXPECT_TRUE(dialogs.messages.empty());

    // Text that does not parse is prompted for and kept; the rule still runs.
    PageView& engine = Show(PageId::Engine);
    TypeOver(Find<QLineEdit>(engine, "idleRpmEdit"), "8x");
    Click(engine, "starterMotorCheck");
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Please enter an integer."});
    EXPECT_EQ(Find<QLineEdit>(engine, "idleRpmEdit")->text(), "8x");
    EXPECT_FALSE(Find<QLineEdit>(engine, "starterTorqueEdit")->isEnabled());
}

TEST_F(EditorTest, DrivelineRadiosShowTheFileAndDecideOnAClick) {
    Load("differential\n{\n   type=5\n   output0=1\n   output1=0\n}\n");
    PageView& page = Show(PageId::Driveline);
    // Neither the type nor the drive has a button: none is selected.
    for (const char* name :
         {"freeRadio", "viscousRadio", "salisburyRadio", "fwdRadio", "rwdRadio"}) {
        EXPECT_FALSE(Find<QRadioButton>(page, name)->isChecked()) << name;
    }
    Click(page, "rwdRadio");
    const ConfigTree tree = Stored(page);
    EXPECT_EQ(ValueAt(tree, "differential.type") + " " + ValueAt(tree, "differential.output0") +
                  " " + ValueAt(tree, "differential.output1"),
              "5 2 3");
}

TEST_F(EditorTest, GearCountBeyondTheRowsIsRefused) {
    Load("gearbox\n{\n   gears=3\n   gear0\n   {\n      ratio=3.2\n   }\n}\n");
    PageView& page = Show(PageId::Gearbox);
    QLineEdit* gears = Find<QLineEdit>(page, "gearCountEdit");
    // The rows up to the count are enabled.
    const auto lastRow = [&page](const char* enabled, const char* disabled) {
        return Find<QLineEdit>(page, enabled)->isEnabled() &&
               !Find<QLineEdit>(page, disabled)->isEnabled();
    };
    EXPECT_TRUE(lastRow("inertia3Edit", "inertia4Edit"));

    // Typing never prompts: the field is marked and the last good count holds.
    TypeOver(gears, "9");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(DataExchange::IsMarkedInvalid(gears));
    EXPECT_TRUE(lastRow("ratio3Edit", "ratio4Edit"));

    // A store prompts and stops at the count, as at text that does not parse.
    Find<QLineEdit>(page, "ratio1Edit")->setText("2.9");
    const ConfigTree tree = Stored(page);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(ValueAt(tree, "gearbox.gears") + " " + ValueAt(tree, "gearbox.gear0.ratio"), "3 3.2");
    EXPECT_EQ(gears->text(), "9");

    TypeOver(gears, "6");
    EXPECT_FALSE(DataExchange::IsMarkedInvalid(gears));
    EXPECT_TRUE(lastRow("ratio6Edit", "ratio7Edit"));
}

// Wheels 0 and 1 chosen: a field they differ on shows 0 and leaves both alone
// until it is edited; an edit, typed or spun, goes into both and no other.
TEST_F(EditorTest, SelectedEntriesShowWhatTheyShareAndTakeEveryEdit) {
    // Entries 0 and 2 agree, entry 1 differs; entries 0 and 1 agree on z.
    Load(
        "wheel0\n{\n   tire_rate=300\n   z=1.2\n}\nwheel1\n{\n   tire_rate=320\n   z=1.2\n}\n"
        "wheel2\n{\n   tire_rate=300\n}\n"
        "susp0\n{\n   k=300\n   z=1.2\n}\nsusp1\n{\n   k=320\n   z=1.2\n}\nsusp2\n{\n   "
        "k=300\n}\n");
    // The page, the entries' prefix, the field, its key, a text and a step up.
    const std::tuple<PageId, const char*, const char*, const char*, const char*, const char*>
        cases[] = {
            // An integer field's arrows write plain digits, never "1e+06".
            {PageId::Wheels, "wheel", "tireRateEdit", "tire_rate", "990000", "1000000"},
            {PageId::Suspension, "susp", "kEdit", "k", "2500", "3500"},
        };
    for (const auto& [slot, prefix, name, key, typed, stepped] : cases) {
        SCOPED_TRACE(prefix);
        PageView& page = Show(slot);
        QLineEdit* field = Find<QLineEdit>(page, name);
        const auto stored = [&, prefix = prefix, key = key] {
            const ConfigTree tree = Stored(page);
            std::vector<std::string> values;
            for (int entry = 0; entry < 3; ++entry) {
                values.push_back(ValueAt(tree, prefix + std::to_string(entry) + "." + key));
            }
            return values;
        };
        EXPECT_FALSE(field->isEnabled());
        Click(page, "leftFrontButton");
        Click(page, "rightFrontButton");
        EXPECT_TRUE(field->isEnabled());
        EXPECT_EQ(field->text(), "0");
        EXPECT_EQ(Find<QLineEdit>(page, "zEdit")->text(), "1.2");
        EXPECT_EQ(stored(), (std::vector<std::string>{"300", "320", "300"}));
        TypeOver(field, typed);
        EXPECT_EQ(stored(), (std::vector<std::string>{typed, typed, "300"}));
        const std::string spin = std::string(name) + "Spin";
        QTest::mouseClick(Find<NumberField>(page, spin.c_str())->UpButton(), Qt::LeftButton);
        EXPECT_EQ(stored(), (std::vector<std::string>{stepped, stepped, "300"}));
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

// The second of three wings, so that edits landing in the first or the last
// one show up. The list, its selection and the edit form follow the form's
// pick, which is not always the row Qt would move to.
TEST_F(EditorTest, ThePickedWingTakesEveryKeystrokeAndFollowsAddAndDelete) {
    Load(
        "aero\n{\n   wings=3\n   wing0\n   {\n      name=rear\n      span=1\n   }\n"
        "   wing1\n   {\n      name=front\n      span=2\n   }\n"
        "   wing2\n   {\n      name=flap\n      span=3\n   }\n}\n");
    PageView& page = Show(PageId::Aero);
    auto* list = Find<QListWidget>(page, "wingList");
    const auto edit = [&page](const char* name) { return Find<QLineEdit>(page, name); };
    const auto button = [&page](const char* name) { return Find<QPushButton>(page, name); };
    const auto pick = [list](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    };
    const auto names = [list] {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row) {
            texts << list->item(row)->text();
        }
        return texts;
    };
    // No wing picked: "None selected", nothing of a wing to edit or delete.
    EXPECT_EQ(edit("nameEdit")->text(), "None selected");
    EXPECT_FALSE(edit("spanEdit")->isEnabled() || button("deleteWingButton")->isEnabled());
    TypeOver(edit("areaEdit"), "2.2");
    pick(1);
    EXPECT_TRUE(edit("spanEdit")->isEnabled() && button("deleteWingButton")->isEnabled());
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(edit("spanEdit")->text(), "2");
    EXPECT_EQ(edit("areaEdit")->text(), "2.2");
    TypeOver(edit("nameEdit"), "w");
    EXPECT_EQ(names(), (QStringList{"rear", "w", "flap"}));
    QTest::keyClicks(edit("nameEdit"), "ing");
    TypeOver(edit("spanEdit"), "1.25");
    EXPECT_EQ(names(), (QStringList{"rear", "wing", "flap"}));
    const ConfigTree tree = Stored(page);
    EXPECT_EQ(ValueAt(tree, "aero.wing1.name"), "wing");
    EXPECT_EQ(ValueAt(tree, "aero.wing1.span"), "1.25");
    EXPECT_EQ(ValueAt(tree, "aero.wing0.span") + " " + ValueAt(tree, "aero.wing2.span"), "1 3");
    EXPECT_EQ(ValueAt(tree, "aero.body.area"), "2.2");

    // Deleting the last wing picks the first; deleting the only one, none.
    const std::tuple<int, QStringList, const char*> deletes[] = {
        {2, {"rear", "wing"}, "rear"}, {0, {"wing"}, "wing"}, {0, {}, "None selected"}};
    for (const auto& [row, remaining, name] : deletes) {
        pick(row);
        Click(page, "deleteWingButton");
        EXPECT_EQ(names(), remaining);
        EXPECT_EQ(list->currentRow(), remaining.isEmpty() ? -1 : 0);
        EXPECT_TRUE(list->hasFocus());
        EXPECT_EQ(edit("nameEdit")->text(), name);
        EXPECT_EQ(ValueAt(Stored(page), "aero.wings"), std::to_string(remaining.size()));
    }
    for (int i = 0; i < 20; ++i) {
        Click(page, "addWingButton");
    }
    EXPECT_FALSE(button("addWingButton")->isEnabled());
    EXPECT_EQ(list->currentRow(), 19);
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(edit("nameEdit")->text(), "NewWing");
}

// The editor and the command line cannot diverge: an unedited Save As writes
// what `rigwright-cli resave` writes, byte for byte, a Windows-1252 name too.
// Then one value typed on every page reaches exactly its key, and every other
// byte of the file is written back as it was.
TEST_F(EditorTest, SavesWriteWhatTheCommandLineWritesAndAnEditOnlyItsKey) {
    std::string accented = test::ReadFile(RIGWRIGHT_SOURCE_DIR "/examples/sample-car.ini");
    accented.replace(accented.find("name=Kestrel GT"), 15, "name=Kestrel G\xC9T");
    const std::string in = PathOf("accented.ini");
    ASSERT_TRUE(test::WriteFile(in, accented));
    window.LoadAtStart(in);
    ASSERT_TRUE(dialogs.messages.empty());
    const auto saveAs = [this](const char* name) {
        dialogs.files.push_back(PathOf(name));
        Click(window, "saveAsButton");
        EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Saved."});
        dialogs.messages.clear();
        return test::ReadFile(PathOf(name));
    };
    const QStringList args = {"resave", QString::fromStdString(in),
                              QString::fromStdString(PathOf("cli.ini"))};
    ASSERT_EQ(QProcess::execute(RIGWRIGHT_CLI, args), 0);
    EXPECT_EQ(saveAs("editor.ini"), test::ReadFile(PathOf("cli.ini")));

    // The page, the field, the text, its key and a wheel to pick first.
    const std::tuple<PageId, const char*, const char*, const char*, const char*> edits[] = {
        {PageId::General, "nameEdit", "Kestrel GTS", "car.name", nullptr},
        {PageId::Body, "massEdit", "1010.5", "body.mass", nullptr},
        {PageId::Engine, "maxRpmEdit", "7600", "engine.max_rpm", nullptr},
        {PageId::Gearbox, "ratio1Edit", "3.4", "gearbox.gear1.ratio", nullptr},
        {PageId::Driveline, "ratioEdit", "4.1", "differential.ratio", nullptr},
        {PageId::Misc, "lockEdit", "480", "steer.lock", nullptr},
        {PageId::Wheels, "camberEdit", "-2.25", "wheel0.camber", "leftFrontButton"},
        {PageId::Suspension, "kEdit", "47000", "susp3.k", "rightRearButton"},
        {PageId::Aero, "angleEdit", "14", "aero.wing1.angle", nullptr},
        {PageId::CarModels, "textureEdit", "kestrel_shadow_2.tga", "car.shadow.texture", nullptr},
        {PageId::WheelModels, "rearRightWheelEdit", "kestrel_wheel_rr.dof", "wheel3.model.file",
         nullptr},
        {PageId::OtherModels, "angleEdit", "20", "steer.xa", nullptr},
        {PageId::Sounds, "sampleRpmEdit", "3200", "engine.sample_rpm", nullptr},
    };
    Find<QListWidget>(Show(PageId::Aero), "wingList")->item(1)->setSelected(true);
    ConfigTree expected(in);
    ASSERT_FALSE(expected.Read());
    for (const auto& [slot, field, text, key, wheel] : edits) {
        PageView& page = Show(slot);
        if (wheel) {
            Click(page, wheel);
        }
        TypeOver(Find<QLineEdit>(page, field), text);
        ASSERT_NE(expected.Find(key), nullptr) << key;
        expected.SetString(key, text);
    }
    EXPECT_EQ(saveAs("edited.ini"), expected.ToText());
}

// Wheelbase 2.6 m, centre of gravity 0.1 m ahead, five forward gears.
class CalculationsPageTest : public EditorTest {
protected:
    CalculationsPageTest() { window.LoadAtStart(RIGWRIGHT_SOURCE_DIR "/examples/sample-car.ini"); }

    QString Figure(const char* name) { return Find<QLabel>(*page, name)->text(); }
    QString Cell(int row, int column) {
        return table->model()->index(row, column).data().toString();
    }
    QImage Drawing() { return topView->grab().toImage(); }

    PageView* page = window.View(PageId::Calculations);
    QTableView* table = Find<QTableView>(*page, "gearingTable");
    TopView* topView = Find<TopView>(*page, "topView");
};

// The figures come with each selection of the tab, from what the pages hold;
// a field they need that does not read is shown and named instead.
TEST_F(CalculationsPageTest, RecalculatedAtEachSelectionWithValuesTypedAndNotSaved) {
    EXPECT_EQ(Figure("wheelbaseValue"), "");
    Show(PageId::Calculations);
    EXPECT_EQ(Figure("wheelbaseValue"), "2.600 m");
    // A screen reader hears each figure with its caption, and the drawing's.
    EXPECT_EQ(Find<QLabel>(*page, "wheelbaseValue")->accessibleName(), "Wheelbase: 2.600 m");
    EXPECT_TRUE(topView->accessibleDescription().contains("Wheelbase: 2.600 m"));
    const QImage first = Drawing();
    ASSERT_EQ(table->model()->rowCount(), 5);
    EXPECT_EQ((QStringList{Cell(0, 0), Cell(0, 1), Cell(4, 0), Cell(4, 1), Cell(4, 5)}),
              (QStringList{"1", "3.31", "5", "0.97", ""}));

    TypeOver(Find<QLineEdit>(Show(PageId::Body), "cgZEdit"), "0.39");
    TypeOver(Find<QLineEdit>(Show(PageId::Gearbox), "ratio1Edit"), "4");
    TypeOver(Find<QLineEdit>(Show(PageId::Driveline), "ratioEdit"), "0.5");
    TypeOver(Find<QLineEdit>(Show(PageId::Engine), "maxRpmEdit"), "0");
    // Nothing changes until the tab is selected again.
    EXPECT_EQ(Figure("frontWeightDistributionValue"), "53.85 %");
    EXPECT_EQ(Drawing(), first);
    Show(PageId::Calculations);
    EXPECT_EQ(Figure("frontWeightDistributionValue"), "65.00 %");
    EXPECT_NE(Drawing(), first);
    // Overall ratio 4 x 0.5; after the upshift 6900 x 2.13 / 4; nothing at 0 rpm.
    EXPECT_EQ((QStringList{Cell(0, 2), Cell(0, 5), Cell(0, 4)}), (QStringList{"2", "3674", "0.0"}));
    EXPECT_TRUE(dialogs.messages.empty());

    QLineEdit* mass = Find<QLineEdit>(Show(PageId::Body), "massEdit");
    TypeOver(mass, "abc");
    Find<QTabBar>(window, "pageTabBar")->setCurrentIndex(8);
    EXPECT_EQ(
        dialogs.MessageTexts(),
        std::vector<std::string>{"Please enter a number.\n\nField \"Mass:\" on the Body page."});
    EXPECT_EQ(window.ShownPage(), window.View(PageId::Body));
    EXPECT_EQ(window.focusWidget(), mass);
}

}  // namespace
}  // namespace rw
