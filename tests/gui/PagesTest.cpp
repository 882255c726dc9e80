#include <gtest/gtest.h>

#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <initializer_list>
#include <string>
#include <vector>

#include "PageTestSupport.h"
#include "widgets/DataExchange.h"
#include "widgets/NumberField.h"

namespace rw {
namespace {

using namespace page_test;

struct Picker {
    PageId page;
    const char* button;  // beside the field of the same name ending in "Edit"
    const char* key;
    const char* title;
    const char* filter;
};

constexpr const char* kModel = "Select a Model File";
constexpr const char* kDof = "Tavix DOF files (*.dof)|*.dof||";
constexpr const char* kWheel = "Select a Model";
constexpr const char* kSound = "Select a sound sample";
constexpr const char* kWav = "WAV files (*.wav)|*.wav||";

const Picker kPickers[] = {
    {PageId::Engine, "curveTorqueButton", "engine.curve_torque", "Select an CRV File",
     "Tavix CRV Files (*.crv)|*.crv||"},
    {PageId::CarModels, "bodyButton", "body.model.file", kModel, kDof},
    {PageId::CarModels, "inCarButton", "body.model_incar.file", kModel, kDof},
    {PageId::CarModels, "lightsButton", "body.model_light_l.file", kModel, kDof},
    {PageId::CarModels, "brakesButton", "body.model_braking_l.file", kModel, kDof},
    {PageId::CarModels, "textureButton", "car.shadow.texture", "Select a Texture",
     "All files (*.*)|*.*||"},
    {PageId::WheelModels, "frontLeftWheelButton", "wheel0.model.file", kWheel, kDof},
    {PageId::WheelModels, "frontRightWheelButton", "wheel1.model.file", kWheel, kDof},
    {PageId::WheelModels, "rearLeftWheelButton", "wheel2.model.file", kWheel, kDof},
    {PageId::WheelModels, "rearRightWheelButton", "wheel3.model.file", kWheel, kDof},
    {PageId::WheelModels, "frontLeftBrakeButton", "wheel0.model_brake.file", kWheel, kDof},
    {PageId::WheelModels, "frontRightBrakeButton", "wheel1.model_brake.file", kWheel, kDof},
    {PageId::WheelModels, "rearLeftBrakeButton", "wheel2.model_brake.file", kWheel, kDof},
    {PageId::WheelModels, "rearRightBrakeButton", "wheel3.model_brake.file", kWheel, kDof},
    {PageId::OtherModels, "modelButton", "steer.model.file", kModel, kDof},
    {PageId::Sounds, "engineSampleButton", "engine.sample", kSound, kWav},
    {PageId::Sounds, "skidSampleButton", "car.skid.sample", kSound, kWav},
};

// A pick keeps the chosen file's name with its extension, bytes as chosen;
// a cancel keeps the field, and what was typed into the others stays.
TEST_F(EditorTest, EveryPickerKeepsTheFileNameAndWhatWasTyped) {
    Load("");
    for (const Picker& picker : kPickers) {
        SCOPED_TRACE(picker.button);
        PageView& page = Show(picker.page);
        std::string editName = picker.button;
        QLineEdit* edit =
            Find<QLineEdit>(page, editName.replace(editName.find("Button"), 6, "Edit").c_str());
        const QList<QLineEdit*> fields = page.findChildren<QLineEdit*>();
        for (QLineEdit* field : fields) {
            TypeOver(field, "7");
        }
        dialogs.fileRequests.clear();
        dialogs.files = {std::nullopt, "/home/me/cars\\v8/Citro\xC3\xABn 2.x"};
        Click(page, picker.button);
        EXPECT_EQ(edit->text(), "7");
        Click(page, picker.button);
        ASSERT_EQ(dialogs.fileRequests.size(), 2u);
        EXPECT_EQ(dialogs.fileRequests[1].title, picker.title);
        EXPECT_EQ(dialogs.fileRequests[1].filter, picker.filter);
        for (const QLineEdit* field : fields) {
            if (field != edit && field->isEnabled()) {
                EXPECT_EQ(field->text(), "7") << field->objectName().toStdString();
            }
        }
        EXPECT_EQ(edit->text(), QString::fromUtf8("Citro\xC3\xABn 2.x"));
        EXPECT_EQ(ValueAt(Stored(page), picker.key), "Citro\xC3\xABn 2.x");
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

struct Toggle {
    PageId page;
    const char* button;
    const char* field;  // disabled until the button is clicked
    const char* typed;  // a field typed into before the click
};

const Toggle kToggles[] = {
    {PageId::Engine, "starterMotorCheck", "starterTorqueEdit", "maxRpmEdit"},
    {PageId::Engine, "automaticShiftingCheck", "shiftUpRpmEdit", "idleRpmEdit"},
    {PageId::Gearbox, "reverseGearCheck", "reverseRatioEdit", "gearCountEdit"},
    {PageId::Driveline, "viscousRadio", "lockingCoeffEdit", "ratioEdit"},
    {PageId::Driveline, "salisburyRadio", "coastAngleEdit", "clutchFactorEdit"},
    {PageId::Misc, "frontBarCheck", "frontStiffnessEdit", "lockEdit"},
    {PageId::Misc, "rearBarCheck", "rearStiffnessEdit", "ackermannEdit"},
};

// The rules are the forms'; here only that a click applies them, and keeps
// what was typed.
TEST_F(EditorTest, ClicksApplyTheEnableRules) {
    Load("");
    for (const Toggle& toggle : kToggles) {
        SCOPED_TRACE(toggle.button);
        PageView& page = Show(toggle.page);
        QLineEdit* field = Find<QLineEdit>(page, toggle.field);
        EXPECT_FALSE(field->isEnabled());
        TypeOver(Find<QLineEdit>(page, toggle.typed), "5");
        Click(page, toggle.button);
        EXPECT_TRUE(field->isEnabled());
        EXPECT_EQ(Find<QLineEdit>(page, toggle.typed)->text(), "5");
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
    ConfigTree tree = Stored(page);
    EXPECT_EQ(ValueAt(tree, "differential.type"), "5");
    EXPECT_EQ(ValueAt(tree, "differential.output0"), "2");
    EXPECT_EQ(ValueAt(tree, "differential.output1"), "3");
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

    // A store prompts and stops at the count, as text that does not parse does.
    Find<QLineEdit>(page, "ratio1Edit")->setText("2.9");
    const ConfigTree tree = Stored(page);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, window.Forms().Gearbox().GearCountPrompt());
    EXPECT_EQ(ValueAt(tree, "gearbox.gears"), "3");
    EXPECT_EQ(ValueAt(tree, "gearbox.gear0.ratio"), "3.2");
    EXPECT_EQ(gears->text(), "9");
    EXPECT_TRUE(gears->hasFocus());

    TypeOver(gears, "6");
    EXPECT_FALSE(DataExchange::IsMarkedInvalid(gears));
    EXPECT_TRUE(lastRow("ratio6Edit", "ratio7Edit"));
}

// Entries 0 and 2 agree, entry 1 differs; entries 0 and 1 agree on z.
const char* const kCar =
    "wheel0\n{\n   max_braking=300\n   z=1.2\n}\nwheel1\n{\n   max_braking=320\n   z=1.2\n}\n"
    "wheel2\n{\n   max_braking=300\n}\n"
    "susp0\n{\n   k=300\n   z=1.2\n}\nsusp1\n{\n   k=320\n   z=1.2\n}\nsusp2\n{\n   k=300\n}\n";

struct MixedCase {
    PageId page;
    const char* prefix;  // of the entries' keys
    const char* field;   // with a spin button
    const char* key;
    const char* stepped;  // a step up from 0
};

const MixedCase kMixed[] = {
    {PageId::Wheels, "wheel", "maxBrakingEdit", "max_braking", "100"},
    {PageId::Suspension, "susp", "kEdit", "k", "1000"},
};

// Wheels 0 and 1 chosen: a field they differ on shows 0 and leaves both alone
// until it is edited; an edit, typed or spun, goes into both and no other.
TEST_F(EditorTest, SelectedEntriesShowWhatTheyShareAndTakeEveryEdit) {
    Load(kCar);
    for (const MixedCase& test : kMixed) {
        SCOPED_TRACE(test.prefix);
        PageView& page = Show(test.page);
        QLineEdit* field = Find<QLineEdit>(page, test.field);
        const auto key = [&test](int entry) {
            return test.prefix + std::to_string(entry) + "." + test.key;
        };
        EXPECT_FALSE(field->isEnabled());
        Click(page, "leftFrontButton");
        Click(page, "rightFrontButton");
        EXPECT_TRUE(field->isEnabled());
        EXPECT_EQ(field->text(), "0");
        EXPECT_EQ(Find<QLineEdit>(page, "zEdit")->text(), "1.2");
        ConfigTree tree = Stored(page);
        EXPECT_EQ(ValueAt(tree, key(0)), "300");
        EXPECT_EQ(ValueAt(tree, key(1)), "320");

        const std::string spinName = std::string(test.field) + "Spin";
        QTest::mouseClick(Find<NumberField>(page, spinName.c_str())->UpButton(), Qt::LeftButton);
        tree = Stored(page);
        EXPECT_EQ(ValueAt(tree, key(0)), test.stepped);
        EXPECT_EQ(ValueAt(tree, key(1)), test.stepped);

        TypeOver(field, "2500");
        tree = Stored(page);
        EXPECT_EQ(ValueAt(tree, key(0)), "2500");
        EXPECT_EQ(ValueAt(tree, key(1)), "2500");
        EXPECT_EQ(ValueAt(tree, key(2)), "300");
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

std::string Wings(std::initializer_list<const char*> names) {
    std::string text = "aero\n{\n   wings=" + std::to_string(names.size()) + "\n";
    int index = 0;
    for (const char* name : names) {
        text += "   wing" + std::to_string(index) + "\n   {\n      name=" + name +
                "\n      span=" + std::to_string(index + 1) + "\n   }\n";
        ++index;
    }
    return text + "}\n";
}

class AeroPageTest : public EditorTest {
protected:
    void Open(std::initializer_list<const char*> names) {
        Load(Wings(names));
        page = &Show(PageId::Aero);
        list = Find<QListWidget>(*page, "wingList");
    }
    void Pick(int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    QStringList Names() {
        QStringList names;
        for (int row = 0; row < list->count(); ++row) {
            names << list->item(row)->text();
        }
        return names;
    }
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(*page, name); }
    // No wing picked: "None selected", nothing of a wing to edit or delete.
    bool NonePicked() {
        return Edit("nameEdit")->text() == "None selected" && !Edit("spanEdit")->isEnabled() &&
               !Find<QPushButton>(*page, "deleteWingButton")->isEnabled();
    }

    PageView* page = nullptr;
    QListWidget* list = nullptr;
};

// The second of three wings, so that edits landing in the first or the last
// one show up.
TEST_F(AeroPageTest, APickedWingTakesEveryKeystroke) {
    Open({"rear", "front", "flap"});
    EXPECT_TRUE(NonePicked());
    TypeOver(Edit("areaEdit"), "2.2");
    Pick(1);
    EXPECT_FALSE(NonePicked());
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(Edit("spanEdit")->text(), "2");
    EXPECT_EQ(Edit("areaEdit")->text(), "2.2");
    TypeOver(Edit("nameEdit"), "w");
    EXPECT_EQ(Names(), (QStringList{"rear", "w", "flap"}));
    QTest::keyClicks(Edit("nameEdit"), "ing");
    TypeOver(Edit("spanEdit"), "1.25");
    EXPECT_EQ(Names(), (QStringList{"rear", "wing", "flap"}));
    const ConfigTree tree = Stored(*page);
    EXPECT_EQ(ValueAt(tree, "aero.wing1.name"), "wing");
    EXPECT_EQ(ValueAt(tree, "aero.wing1.span"), "1.25");
    EXPECT_EQ(ValueAt(tree, "aero.wing0.span"), "1");
    EXPECT_EQ(ValueAt(tree, "aero.body.area"), "2.2");
}

TEST_F(AeroPageTest, AddAndDeleteKeepListSelectionAndFocusTogether) {
    Open({});
    for (int i = 0; i < 20; ++i) {
        Click(*page, "addWingButton");
    }
    EXPECT_FALSE(Find<QPushButton>(*page, "addWingButton")->isEnabled());
    EXPECT_EQ(list->currentRow(), 19);
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(Edit("nameEdit")->text(), "NewWing");

    const struct {
        std::initializer_list<const char*> wings;
        int row;
        QStringList remaining;
        int pickedAfter;  // -1: none
    } deletes[] = {{{"a", "b", "c"}, 0, {"b", "c"}, 0},
                   {{"a", "b", "c"}, 1, {"a", "c"}, 1},
                   {{"a", "b", "c"}, 2, {"a", "b"}, 0},
                   {{"solo"}, 0, {}, -1}};
    for (const auto& test : deletes) {
        page->FillFromTree(TreeOf(Wings(test.wings)));
        Pick(test.row);
        Click(*page, "deleteWingButton");
        EXPECT_TRUE(Find<QPushButton>(*page, "addWingButton")->isEnabled());
        EXPECT_EQ(Names(), test.remaining);
        EXPECT_EQ(list->currentRow(), test.pickedAfter);
        EXPECT_TRUE(list->hasFocus());
        EXPECT_EQ(Edit("nameEdit")->text(),
                  test.pickedAfter < 0 ? "None selected" : test.remaining[test.pickedAfter]);
        EXPECT_EQ(ValueAt(Stored(*page), "aero.wings"), std::to_string(test.remaining.size()));
    }
}

struct OneEdit {
    PageId page;
    const char* field;
    const char* text;
    const char* key;
    const char* wheel;  // a wheel selector button to click first, or null
};

const OneEdit kEdits[] = {
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

// One value typed on every page reaches exactly its key; every other byte of
// the file is written back as it was.
TEST_F(EditorTest, OneEditPerPageReachesItsKeyAndNothingElseChanges) {
    const std::string sample = RIGWRIGHT_SOURCE_DIR "/examples/sample-car.ini";
    window.LoadAtStart(sample);
    ASSERT_TRUE(dialogs.messages.empty());
    Find<QListWidget>(Show(PageId::Aero), "wingList")->item(1)->setSelected(true);
    for (const OneEdit& edit : kEdits) {
        PageView& page = Show(edit.page);
        if (edit.wheel) {
            Click(page, edit.wheel);
        }
        TypeOver(Find<QLineEdit>(page, edit.field), edit.text);
    }
    dialogs.files.push_back(PathOf("edited.ini"));
    Click(window, "saveAsButton");
    ASSERT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Saved."});

    ConfigTree expected(sample);
    test::RecordingReporter reporter;
    ASSERT_EQ(expected.Read(false, reporter), ReadResult::Success);
    for (const OneEdit& edit : kEdits) {
        ASSERT_NE(expected.Find(edit.key), nullptr) << edit.key;
        expected.SetString(edit.key, edit.text);
    }
    EXPECT_EQ(test::ReadFile(PathOf("edited.ini")), expected.ToText());
}

// The editor and the command line cannot diverge: an unedited Save As writes
// what `rigwright-cli resave` writes, byte for byte, Windows-1252 names too.
TEST_F(EditorTest, UneditedSaveAsWritesWhatTheCommandLineResaves) {
    std::string accented = test::ReadFile(RIGWRIGHT_SOURCE_DIR "/examples/sample-car.ini");
    accented.replace(accented.find("Kestrel GT"), 10, "Kestrel G\xC9T");
    ASSERT_TRUE(test::WriteFile(PathOf("accented.ini"), accented));
    for (const std::string& in :
         {std::string(RIGWRIGHT_SOURCE_DIR "/examples/sample-car.ini"), PathOf("accented.ini")}) {
        SCOPED_TRACE(in);
        window.LoadAtStart(in);
        QFile::remove(QString::fromStdString(PathOf("editor.ini")));
        dialogs.files.push_back(PathOf("editor.ini"));
        Click(window, "saveAsButton");
        ASSERT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Saved."});
        dialogs.messages.clear();
        const QStringList args = {"resave", QString::fromStdString(in),
                                  QString::fromStdString(PathOf("cli.ini"))};
        ASSERT_EQ(QProcess::execute(RIGWRIGHT_CLI, args), 0);
        EXPECT_EQ(test::ReadFile(PathOf("editor.ini")), test::ReadFile(PathOf("cli.ini")));
    }
}

}  // namespace
}  // namespace rw
