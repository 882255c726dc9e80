#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "DocumentDoubles.h"
#include "document/CarDocument.h"

namespace rw {
namespace {

namespace fs = std::filesystem;
using test::EventLog;
using test::RecordingPages;
using test::ScriptedHost;

constexpr const char* kFourWheelText =
    "This INI cannot be loaded.Either this INI cannot be parsed, or it does not have 4 wheels.\n";

std::string CarText(const std::string& name, const std::string& wheelsLine = "   wheels=4\r\n") {
    return "car\r\n{\r\n   name=" + name + "\r\n" + wheelsLine + "}\r\n";
}

// The orders are written out here rather than taken from kFillOrder and
// kStoreOrder, so that a slip in those tables shows up too.
std::vector<std::string> Prefixed(const char* prefix, const std::vector<std::string>& pages) {
    std::vector<std::string> events;
    for (const std::string& page : pages) {
        events.push_back(prefix + page);
    }
    return events;
}

std::vector<std::string> FillEvents() {
    return Prefixed("fill:",
                    {"General", "Body", "Engine", "Gearbox", "Driveline", "Wheels", "Suspension",
                     "Misc", "Aero", "Car Models", "Sounds", "Wheel Models", "Other Models"});
}

std::vector<std::string> StoreEvents() {
    return Prefixed("store:",
                    {"General", "Body", "Engine", "Gearbox", "Driveline", "Suspension", "Misc",
                     "Wheels", "Aero", "Car Models", "Sounds", "Wheel Models", "Other Models"});
}

std::vector<std::string> Concat(std::vector<std::string> head,
                                const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// Members are public so that table rows can drive the fixture.
class CarDocumentTest : public ::testing::Test {
public:
    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "rw_document_XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        // The main window refreshes once with no document at start-up.
        document.RefreshFromDocument();
        log.clear();
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    std::string WriteCar(const std::string& name, const std::string& content) {
        const std::string path = (dir / name).string();
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << content;
        return path;
    }
    static std::optional<std::string> FileBytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void Load(const std::string& path) {
        host.openAnswers.push_back(path);
        document.Load();
    }
    // A file document named "first" at first.ini, with the log cleared.
    std::string OpenFirst() {
        const std::string path = WriteCar("first.ini", CarText("first"));
        Load(path);
        EXPECT_TRUE(document.IsOpen());
        log.clear();
        host.reports.clear();
        host.dialogs.clear();
        return path;
    }
    void ExpectNoDocument() {
        EXPECT_FALSE(document.IsOpen());
        EXPECT_EQ(document.DocumentPath(), "");
        EXPECT_EQ(document.Tree(), nullptr);
        EXPECT_FALSE(host.controls.saveUndoNotepad);
        EXPECT_FALSE(host.controls.saveAsAndTabs);
    }
    std::string TreeName() {
        std::string name;
        if (document.Tree() != nullptr) {
            document.Tree()->GetString("car.name", name);
        }
        return name;
    }

    fs::path dir;
    EventLog log;
    ScriptedHost host{log};
    RecordingPages pages{log};
    CarDocument document{host, pages};
};

TEST_F(CarDocumentTest, LoadOpensFileDocumentAndFillsPagesInOrder) {
    const std::string path = WriteCar("car.ini", CarText("loaded"));
    Load(path);

    ASSERT_EQ(host.dialogs.size(), 1u);
    EXPECT_EQ(host.dialogs[0].kind, "open");
    EXPECT_EQ(host.dialogs[0].title, "Select an INI File");
    EXPECT_EQ(host.dialogs[0].filter, "Tavix INI Files (*.ini)|*.ini||");
    EXPECT_TRUE(host.reports.empty());
    EXPECT_EQ(log,
              Concat({"dialog:open", "states:11", "enable:1", "carpath:" + path}, FillEvents()));
    EXPECT_TRUE(document.IsOpen());
    EXPECT_EQ(document.DocumentPath(), path);
    EXPECT_EQ(TreeName(), "loaded");
    EXPECT_EQ(pages.filledNames, std::vector<std::string>(13, "loaded"));
}

TEST_F(CarDocumentTest, CancelledLoadChangesNothing) {
    const std::string path = OpenFirst();
    const ConfigTree* before = document.Tree();
    host.openAnswers.push_back(std::nullopt);
    document.Load();
    EXPECT_EQ(log, std::vector<std::string>{"dialog:open"});
    EXPECT_EQ(document.DocumentPath(), path);
    EXPECT_EQ(document.Tree(), before);
}

TEST_F(CarDocumentTest, LoadRefusesAnyWheelCountButFour) {
    const struct {
        const char* name;
        std::string wheelsLine;
    } cases[] = {
        {"missing", ""},
        {"zero", "   wheels=0\r\n"},
        {"two", "   wheels=2\r\n"},
        {"six", "   wheels=6\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string first = OpenFirst();
        const std::string path =
            WriteCar(std::string(c.name) + ".ini", CarText(c.name, c.wheelsLine));
        Load(path);

        ASSERT_EQ(host.reports.size(), 1u);
        EXPECT_EQ(host.reports[0].text, kFourWheelText);
        EXPECT_EQ(host.reports[0].caption, kAppCaption);
        EXPECT_EQ(host.reports[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(log,
                  (std::vector<std::string>{"dialog:open", "show:" + std::string(kFourWheelText),
                                            "states:00", "enable:0"}));
        ExpectNoDocument();
        // The car path text keeps what the previous document showed.
        EXPECT_EQ(host.carPathText, first);
    }
}

TEST_F(CarDocumentTest, LoadAcceptsFourWheelsDespiteReportedLines) {
    const std::string path =
        WriteCar("odd.ini", "car\r\n{\r\n   name=odd\r\n   stray line\r\n   wheels=4\r\n}\r\n");
    Load(path);
    EXPECT_TRUE(document.IsOpen());
    EXPECT_EQ(document.DocumentPath(), path);
    ASSERT_FALSE(host.reports.empty());
    EXPECT_EQ(host.reports[0].kind, ReportKind::UninterpretableLine);
    for (const Report& report : host.reports) {
        EXPECT_NE(report.text, kFourWheelText);
    }
}

TEST_F(CarDocumentTest, NullPathReportsLoadErrorThenFailsWheelCheck) {
    OpenFirst();
    EXPECT_FALSE(document.LoadAtStart(std::string(kNullPath)));
    ASSERT_EQ(host.reports.size(), 2u);
    EXPECT_EQ(host.reports[0].text, "There was at least one error loading the INI file!");
    EXPECT_EQ(host.reports[0].caption, kAppCaption);
    EXPECT_EQ(host.reports[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(host.reports[1].text, kFourWheelText);
    ExpectNoDocument();
}

TEST_F(CarDocumentTest, LoadAtStartOpensTheGivenFile) {
    const std::string path = WriteCar("start.ini", CarText("start"));
    EXPECT_TRUE(document.LoadAtStart(path));
    EXPECT_TRUE(host.dialogs.empty());
    EXPECT_EQ(document.DocumentPath(), path);
    EXPECT_EQ(host.carPathText, path);
    EXPECT_EQ(TreeName(), "start");
}

TEST_F(CarDocumentTest, NewAsksNothingAndShowsUnsaved) {
    OpenFirst();
    document.New();

    EXPECT_TRUE(host.dialogs.empty());
    EXPECT_TRUE(host.questions.empty());
    EXPECT_TRUE(host.reports.empty());
    EXPECT_EQ(log, Concat({"states:01", "enable:1", "carpath:Unsaved"}, FillEvents()));
    EXPECT_TRUE(document.IsOpen());
    EXPECT_EQ(document.DocumentPath(), "Unsaved");

    ConfigTree expected{std::string(kUnsavedPath)};
    expected.Read(false, host);
    BuildDefaultCar(expected);
    ASSERT_NE(document.Tree(), nullptr);
    EXPECT_EQ(document.Tree()->ToText(), expected.ToText());
}

TEST_F(CarDocumentTest, SaveStoresInOrderWritesAndConfirmsWithoutRefresh) {
    const std::string path = OpenFirst();
    pages.onStore = [](PageId page, ConfigTree& tree) {
        if (page == PageId::General) {
            tree.SetString("car.name", "edited");
        }
    };
    document.Save();

    EXPECT_EQ(log, Concat(StoreEvents(), {"show:Saved."}));
    ASSERT_EQ(host.reports.size(), 1u);
    EXPECT_EQ(host.reports[0].caption, "TAVIX Rigwright");
    EXPECT_EQ(host.reports[0].icon, MessageIcon::Information);
    EXPECT_EQ(FileBytes(path), document.Tree()->ToText());
    EXPECT_EQ(FileBytes(path), CarText("edited"));
}

TEST_F(CarDocumentTest, SaveWarningsAskBeforeWriting) {
    const struct {
        const char* name;
        bool answer;
    } cases[] = {{"declined", false}, {"accepted", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = OpenFirst();
        pages.checkValues = test::CleanCheckValues();
        pages.checkValues.id = "";
        pages.checkValues.differentialRatio = 0.0f;
        pages.onStore = [](PageId page, ConfigTree& tree) {
            if (page == PageId::General) {
                tree.SetString("car.name", "edited");
            }
        };
        host.yesNoAnswers.push_back(c.answer);
        EXPECT_EQ(document.SaveDocument(), c.answer);

        ASSERT_EQ(host.questions.size(), 1u);
        EXPECT_EQ(host.questions[0].text, SaveWarningMessage(SaveWarnings(pages.checkValues)));
        EXPECT_EQ(host.questions[0].caption, "Warning");
        EXPECT_EQ(host.questions[0].icon, MessageIcon::Exclamation);
        // The stored values stay in the tree either way.
        EXPECT_EQ(TreeName(), "edited");
        if (c.answer) {
            EXPECT_EQ(log, Concat(StoreEvents(), {"ask", "show:Saved."}));
            EXPECT_EQ(FileBytes(path), CarText("edited"));
        } else {
            EXPECT_EQ(log, Concat(StoreEvents(), {"ask"}));
            EXPECT_TRUE(host.reports.empty());
            EXPECT_EQ(FileBytes(path), CarText("first"));
        }
        host.questions.clear();
    }
}

TEST_F(CarDocumentTest, SaveAsMovesTheDocumentAndRefreshes) {
    document.New();
    log.clear();
    const std::string path = (dir / "new.ini").string();
    host.saveAnswers.push_back(path);
    document.SaveAs();

    ASSERT_EQ(host.dialogs.size(), 1u);
    EXPECT_EQ(host.dialogs[0].kind, "save");
    EXPECT_EQ(host.dialogs[0].title, "Select an INI File");
    EXPECT_EQ(host.dialogs[0].filter, "Tavix INI Files (*.ini)|*.ini||");
    EXPECT_EQ(log, Concat(Concat({"dialog:save"}, StoreEvents()),
                          Concat({"show:Saved.", "states:11", "enable:1", "carpath:" + path},
                                 FillEvents())));
    EXPECT_EQ(document.DocumentPath(), path);
    EXPECT_EQ(FileBytes(path), document.Tree()->ToText());
}

TEST_F(CarDocumentTest, SaveAsReplacesAnExistingFileWithoutAsking) {
    OpenFirst();
    const std::string other = WriteCar("other.ini", "old content\r\n");
    host.saveAnswers.push_back(other);
    document.SaveAs();
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(FileBytes(other), CarText("first"));
}

TEST_F(CarDocumentTest, DeclinedSaveAsStillMovesTheDocument) {
    OpenFirst();
    pages.checkValues.curveTorque = "";
    const std::string path = (dir / "declined.ini").string();
    host.saveAnswers.push_back(path);
    host.yesNoAnswers.push_back(false);
    document.SaveAs();

    EXPECT_EQ(FileBytes(path), std::nullopt);
    EXPECT_EQ(document.DocumentPath(), path);
    EXPECT_EQ(host.carPathText, path);
    EXPECT_TRUE(host.controls.saveUndoNotepad);
    EXPECT_TRUE(host.reports.empty());
}

TEST_F(CarDocumentTest, CancelledSaveAsChangesNothing) {
    const std::string path = OpenFirst();
    host.saveAnswers.push_back(std::nullopt);
    document.SaveAs();
    EXPECT_EQ(log, std::vector<std::string>{"dialog:save"});
    EXPECT_EQ(document.DocumentPath(), path);
}

TEST_F(CarDocumentTest, UndoAllRereadsTheFileWithoutChecksOrReports) {
    const std::string path = OpenFirst();
    // A declined save leaves the stored edit in the tree; Undo All drops it.
    pages.onStore = [](PageId, ConfigTree& tree) { tree.SetString("car.name", "edited"); };
    pages.checkValues.id = "";
    host.yesNoAnswers.push_back(false);
    document.Save();
    ASSERT_EQ(TreeName(), "edited");

    // Meanwhile the file lost its wheel count and gained a line the reader
    // would report on Load.
    WriteCar("first.ini", "car\r\n{\r\n   name=on disk\r\n   stray line\r\n}\r\n");
    log.clear();
    pages.filledNames.clear();
    document.UndoAll();

    EXPECT_TRUE(host.reports.empty());
    EXPECT_EQ(log, Concat({"states:11", "enable:1", "carpath:" + path}, FillEvents()));
    EXPECT_TRUE(document.IsOpen());
    EXPECT_EQ(document.DocumentPath(), path);
    EXPECT_EQ(TreeName(), "on disk");
    EXPECT_EQ(pages.filledNames, std::vector<std::string>(13, "on disk"));
}

TEST_F(CarDocumentTest, NotepadHandsOverTheFileOrComplains) {
    document.Notepad();
    ASSERT_EQ(host.reports.size(), 1u);
    EXPECT_EQ(host.reports[0].text, "You have not yet loaded an INI file!");
    EXPECT_EQ(host.reports[0].caption, kAppCaption);
    EXPECT_EQ(host.reports[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(host.openedFiles.empty());

    const std::string path = OpenFirst();
    document.Notepad();
    EXPECT_EQ(log, std::vector<std::string>{"openapp:" + path});
    EXPECT_TRUE(host.reports.empty());
}

// Every row of the state table, reached by the transitions that lead to it.
struct StateRow {
    const char* name;
    std::function<void(CarDocumentTest&)> reach;
    const char* path;  // "<file>" stands for first.ini in the test folder
    bool saveUndoNotepad;
    bool saveAsAndTabs;
    const char* carPathText;
};

class StateTableTest : public CarDocumentTest, public ::testing::WithParamInterface<StateRow> {};

TEST_P(StateTableTest, ControlsAndCarPathFollowTheState) {
    const StateRow& row = GetParam();
    row.reach(*this);
    const auto expand = [this](const std::string& text) {
        return text == "<file>" ? (dir / "first.ini").string() : text;
    };
    const bool open = row.saveAsAndTabs;
    EXPECT_EQ(document.DocumentPath(), expand(row.path));
    EXPECT_EQ(document.IsOpen(), open);
    EXPECT_EQ(document.Tree() != nullptr, open);
    EXPECT_EQ(host.controls.saveUndoNotepad, row.saveUndoNotepad);
    EXPECT_EQ(host.controls.saveAsAndTabs, row.saveAsAndTabs);
    EXPECT_EQ(host.carPathText, expand(row.carPathText));
    // The General page's fields follow the open flag.
    EXPECT_EQ(pages.fieldsEnabled, std::optional<bool>(open));
}

void PrintTo(const StateRow& row, std::ostream* out) {
    *out << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Document, StateTableTest,
    ::testing::Values(
        StateRow{"NoDocumentAtStart", [](CarDocumentTest&) {}, "", false, false, "No file loaded"},
        StateRow{"NoDocumentAfterRejectedLoad",
                 [](CarDocumentTest& t) { t.Load(t.WriteCar("bad.ini", CarText("bad", ""))); }, "",
                 false, false, "No file loaded"},
        StateRow{"NewCar", [](CarDocumentTest& t) { t.document.New(); }, "Unsaved", false, true,
                 "Unsaved"},
        StateRow{"FileDocument", [](CarDocumentTest& t) { t.OpenFirst(); }, "<file>", true, true,
                 "<file>"},
        StateRow{"NewCarAfterFileDocument",
                 [](CarDocumentTest& t) {
                     t.OpenFirst();
                     t.document.New();
                 },
                 "Unsaved", false, true, "Unsaved"},
        StateRow{"RejectedLoadAfterFileDocument",
                 [](CarDocumentTest& t) {
                     t.OpenFirst();
                     t.Load(t.WriteCar("bad.ini", CarText("bad", "   wheels=2\r\n")));
                 },
                 "", false, false, "<file>"},
        StateRow{"FileDocumentAfterSaveAsFromNewCar",
                 [](CarDocumentTest& t) {
                     t.document.New();
                     t.host.saveAnswers.push_back((t.dir / "first.ini").string());
                     t.document.SaveAs();
                 },
                 "<file>", true, true, "<file>"},
        StateRow{"FileDocumentAfterSaveUndoAllNotepad",
                 [](CarDocumentTest& t) {
                     t.OpenFirst();
                     t.document.Save();
                     t.document.UndoAll();
                     t.document.Notepad();
                 },
                 "<file>", true, true, "<file>"}),
    [](const ::testing::TestParamInfo<StateRow>& info) { return std::string(info.param.name); });

// A file that cannot be read leaves the document exactly as it was: tree,
// path, pages, controls and car path text.
struct UnreadableRow {
    const char* name;
    bool startOpen;
    const char* fileName;  // the report must name it
    std::function<void(CarDocumentTest&, const std::string& missing)> act;
};

void PrintTo(const UnreadableRow& row, std::ostream* out) {
    *out << row.name;
}

class UnreadableFileTest : public CarDocumentTest,
                           public ::testing::WithParamInterface<UnreadableRow> {};

TEST_P(UnreadableFileTest, LeavesTheDocumentAlone) {
    const UnreadableRow& row = GetParam();
    if (row.startOpen) {
        OpenFirst();
    }
    const std::string pathBefore = document.DocumentPath();
    const bool openBefore = document.IsOpen();
    const ConfigTree* treeBefore = document.Tree();
    const std::string textBefore = host.carPathText;
    const ControlStates controlsBefore = host.controls;
    const std::string missing = (dir / "gone" / "car.ini").string();
    row.act(*this, missing);

    EXPECT_EQ(document.DocumentPath(), pathBefore);
    EXPECT_EQ(document.IsOpen(), openBefore);
    EXPECT_EQ(document.Tree(), treeBefore);
    EXPECT_EQ(host.carPathText, textBefore);
    EXPECT_EQ(host.controls.saveUndoNotepad, controlsBefore.saveUndoNotepad);
    EXPECT_EQ(host.controls.saveAsAndTabs, controlsBefore.saveAsAndTabs);
    if (row.startOpen) {
        EXPECT_EQ(TreeName(), "first");
    }
    // Only the file error is shown: no refresh, no fill, no other message.
    ASSERT_EQ(host.reports.size(), 1u);
    EXPECT_EQ(host.reports[0].kind, ReportKind::FileError);
    EXPECT_NE(host.reports[0].text.find(row.fileName), std::string::npos);
    for (const std::string& event : log) {
        EXPECT_TRUE(event.rfind("show:", 0) == 0 || event.rfind("dialog:", 0) == 0) << event;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Document, UnreadableFileTest,
    ::testing::Values(
        UnreadableRow{"LoadOverFileDocument", true, "car.ini",
                      [](CarDocumentTest& t, const std::string& missing) { t.Load(missing); }},
        UnreadableRow{"LoadWithNoDocument", false, "car.ini",
                      [](CarDocumentTest& t, const std::string& missing) { t.Load(missing); }},
        UnreadableRow{"StartUpLoad", false, "car.ini",
                      [](CarDocumentTest& t, const std::string& missing) {
                          EXPECT_FALSE(t.document.LoadAtStart(missing));
                      }},
        UnreadableRow{"UndoAllAfterTheFileVanished", true, "first.ini",
                      [](CarDocumentTest& t, const std::string&) {
                          fs::remove(t.dir / "first.ini");
                          t.document.UndoAll();
                      }}),
    [](const ::testing::TestParamInfo<UnreadableRow>& info) {
        return std::string(info.param.name);
    });

// A write that fails reports the file error, never "Saved.", and leaves both
// the file and the document as they were.
TEST_F(CarDocumentTest, FailedSaveKeepsFileAndDocument) {
    const std::string path = OpenFirst();
    const ConfigTree* treeBefore = document.Tree();
    // A folder standing where the file was cannot be replaced by a file.
    fs::remove(path);
    fs::create_directory(path);
    WriteCar("first.ini/keep.txt", "keep");

    EXPECT_FALSE(document.SaveDocument());
    ASSERT_EQ(host.reports.size(), 1u);
    EXPECT_EQ(host.reports[0].kind, ReportKind::FileError);
    EXPECT_EQ(log, Concat(StoreEvents(), {"show:" + host.reports[0].text}));
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(FileBytes(path + "/keep.txt"), "keep");
    EXPECT_EQ(document.DocumentPath(), path);
    EXPECT_EQ(document.Tree(), treeBefore);
}

TEST_F(CarDocumentTest, FailedSaveAsKeepsTheDocumentPath) {
    const std::string path = OpenFirst();
    const std::string target = (dir / "gone" / "target.ini").string();
    host.saveAnswers.push_back(target);
    document.SaveAs();

    ASSERT_EQ(host.reports.size(), 1u);
    EXPECT_EQ(host.reports[0].kind, ReportKind::FileError);
    EXPECT_NE(host.reports[0].text.find("target.ini"), std::string::npos);
    EXPECT_EQ(log,
              Concat(Concat({"dialog:save"}, StoreEvents()), {"show:" + host.reports[0].text}));
    EXPECT_FALSE(fs::exists(target));
    EXPECT_EQ(document.DocumentPath(), path);
    EXPECT_EQ(host.carPathText, path);
    EXPECT_EQ(FileBytes(path), CarText("first"));

    // The document still saves to its own file afterwards.
    log.clear();
    host.reports.clear();
    document.Save();
    EXPECT_EQ(log, Concat(StoreEvents(), {"show:Saved."}));
}

}  // namespace
}  // namespace rw
