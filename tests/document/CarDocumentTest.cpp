#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "DocumentDoubles.h"
#include "document/CarDocument.h"

namespace rw {
namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;

constexpr const char* kFourWheelText =
    "This INI cannot be loaded.Either this INI cannot be parsed, or it does not have 4 wheels.\n";
const std::string kOpen = "open:Select an INI File|Tavix INI Files (*.ini)|*.ini||";
const std::string kSave = "save:Select an INI File|Tavix INI Files (*.ini)|*.ini||";

std::string CarText(const std::string& name, const std::string& wheelsLine = "   wheels=4\r\n") {
    return "car\r\n{\r\n   name=" + name + "\r\n" + wheelsLine + "}\r\n";
}

Log operator+(Log head, const Log& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// The orders are written out here rather than taken from the page table, so
// that a slip there shows up too.
Log Fills(const std::string& name) {
    Log events;
    for (const char* page :
         {"General", "Body", "Engine", "Gearbox", "Driveline", "Wheels", "Suspension", "Misc",
          "Aero", "Car Models", "Sounds", "Wheel Models", "Other Models"}) {
        events.push_back(std::string("fill:") + page + "=" + name);
    }
    return events;
}

Log Stores(const Log& after = {}) {
    Log events;
    for (const char* page :
         {"General", "Body", "Engine", "Gearbox", "Driveline", "Suspension", "Misc", "Wheels",
          "Aero", "Car Models", "Sounds", "Wheel Models", "Other Models"}) {
        events.push_back(std::string("store:") + page);
    }
    return events + after;
}

// A document over scripted doubles and a folder of its own, refreshed once
// with no document as the main window does at start-up.
struct Session {
    Session() {
        document.RefreshFromDocument();
        log.clear();
    }
    std::string Car(const std::string& name, const std::string& content) {
        test::WriteFile(temp.File(name), content);
        return temp.File(name);
    }
    void Load(const std::string& path) {
        host.files.push_back(path);
        document.Load();
    }
    // A file document named "first" at first.ini, with log and reports cleared.
    std::string OpenFirst() {
        Load(Car("first.ini", CarText("first")));
        EXPECT_TRUE(document.IsOpen());
        log.clear();
        host.reports.clear();
        return temp.File("first.ini");
    }
    std::string TreeName() {
        std::string name;
        return document.Tree() && document.Tree()->GetString("car.name", name) ? name : "";
    }
    std::string States() const {
        return std::string(host.controls.saveUndoNotepad ? "1" : "0") +
               (host.controls.saveAsAndTabs ? "1" : "0");
    }

    test::TempDir temp;
    test::EventLog log;
    test::ScriptedHost host{log};
    test::RecordingPages pages{log};
    CarDocument document{host, pages};
};

TEST(CarDocument, LoadAndNewRefreshInOrderAndCancelledDialogsChangeNothing) {
    Session s;
    const std::string path = s.Car("car.ini", CarText("loaded"));
    s.Load(path);
    EXPECT_EQ(s.log, (Log{kOpen, "states:11", "enable:1", "carpath:" + path} + Fills("loaded")));
    s.log.clear();
    s.host.files = {std::nullopt, std::nullopt};
    s.document.Load();
    s.document.SaveAs();
    EXPECT_EQ(s.log, (Log{kOpen, kSave}));
    EXPECT_EQ(s.document.DocumentPath(), path);

    s.log.clear();
    s.document.New();
    EXPECT_EQ(s.log, (Log{"states:01", "enable:1", "carpath:Unsaved"} + Fills("")));
    EXPECT_TRUE(s.host.reports.empty());
    ConfigTree expected{std::string(kUnsavedPath)};
    expected.Read(false, s.host);
    BuildDefaultCar(expected);
    EXPECT_EQ(s.document.Tree()->ToText(), expected.ToText());
}

// A car without exactly four wheels is refused, as is the null path after
// its load error; a file read with reported lines but four wheels opens.
TEST(CarDocument, LoadRefusesAnyWheelCountButFour) {
    Session s;
    for (const char* line : {"", "   wheels=0\r\n", "   wheels=2\r\n", "   wheels=6\r\n"}) {
        SCOPED_TRACE(line);
        const std::string first = s.OpenFirst();
        s.Load(s.Car("bad.ini", CarText("bad", line)));
        EXPECT_EQ(s.log,
                  (Log{kOpen, "show:" + std::string(kFourWheelText), "states:00", "enable:0"}));
        EXPECT_EQ(s.host.reports[0].caption, kAppCaption);
        EXPECT_EQ(s.host.reports[0].icon, MessageIcon::Exclamation);
        EXPECT_FALSE(s.document.IsOpen());
        EXPECT_EQ(s.host.carPathText, first);  // kept from the previous document
    }
    s.host.reports.clear();
    EXPECT_FALSE(s.document.LoadAtStart(std::string(kNullPath)));
    ASSERT_EQ(s.host.reports.size(), 2u);
    EXPECT_EQ(s.host.reports[0].text, "There was at least one error loading the INI file!");
    EXPECT_EQ(s.host.reports[1].text, kFourWheelText);

    s.host.reports.clear();
    s.Load(s.Car("odd.ini", "car\r\n{\r\n   name=odd\r\n   stray line\r\n   wheels=4\r\n}\r\n"));
    EXPECT_TRUE(s.document.IsOpen());
    ASSERT_EQ(s.host.reports.size(), 1u);
    EXPECT_EQ(s.host.reports[0].kind, ReportKind::UninterpretableLine);
}

// Warnings ask before writing; the stored values stay in the tree either way,
// and Undo All afterwards rereads the file without checks or reports.
TEST(CarDocument, SaveAsksOnWarningsWritesWithoutRefreshAndUndoAllRereads) {
    struct Case {
        const char* id;
        std::deque<bool> answers;
        Log log;
        const char* file;
    };
    const Case cases[] = {
        {"id", {}, Stores({"show:Saved."}), "edited"},
        {"", {true}, Stores({"ask", "show:Saved."}), "edited"},
        {"", {false}, Stores({"ask"}), "first"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Session s;
        const std::string path = s.OpenFirst();
        s.pages.onStore = [](ConfigTree& tree) { tree.SetString("car.name", "edited"); };
        s.pages.checkValues.id = c.id;
        s.host.answers = c.answers;
        EXPECT_EQ(s.document.SaveDocument(), std::string(c.file) == "edited");
        EXPECT_EQ(s.log, c.log);
        EXPECT_EQ(s.TreeName(), "edited");
        EXPECT_EQ(test::ReadFile(path), CarText(c.file));
        if (c.answers.empty()) {
            EXPECT_EQ(s.host.reports[0].caption, kAppCaption);
            EXPECT_EQ(s.host.reports[0].icon, MessageIcon::Information);
        } else {
            EXPECT_EQ(s.host.questions[0].text,
                      SaveWarningMessage(SaveWarnings(s.pages.checkValues)));
            EXPECT_EQ(s.host.questions[0].caption, "Warning");
            EXPECT_EQ(s.host.questions[0].icon, MessageIcon::Exclamation);
        }
        // The file lost its wheel count and gained a line Load would report.
        s.Car("first.ini", "car\r\n{\r\n   name=on disk\r\n   stray line\r\n}\r\n");
        s.log.clear();
        s.host.reports.clear();
        s.document.UndoAll();
        EXPECT_TRUE(s.host.reports.empty());
        EXPECT_EQ(s.log, (Log{"states:11", "enable:1", "carpath:" + path} + Fills("on disk")));
    }
}

// Save As moves the document and refreshes, even when the warnings stop the write.
TEST(CarDocument, SaveAsMovesTheDocumentAndRefreshes) {
    Session s;
    s.document.New();
    s.log.clear();
    const std::string path = s.temp.File("new.ini");
    s.host.files.push_back(path);
    s.document.SaveAs();
    EXPECT_EQ(s.log,
              (Log{kSave} + Stores({"show:Saved.", "states:11", "enable:1", "carpath:" + path}) +
               Fills("")));
    EXPECT_EQ(test::ReadFile(path), s.document.Tree()->ToText());

    s.pages.checkValues.curveTorque = "";
    s.host.files.push_back(s.temp.File("declined.ini"));
    s.host.answers.push_back(false);
    s.document.SaveAs();
    EXPECT_FALSE(fs::exists(s.temp.File("declined.ini")));
    EXPECT_EQ(s.document.DocumentPath(), s.temp.File("declined.ini"));
    EXPECT_EQ(s.host.carPathText, s.temp.File("declined.ini"));
    EXPECT_EQ(s.States(), "11");
}

TEST(CarDocument, NotepadHandsOverTheFileOrComplains) {
    Session s;
    s.document.Notepad();
    ASSERT_EQ(s.host.reports.size(), 1u);
    EXPECT_EQ(s.host.reports[0].text, "You have not yet loaded an INI file!");
    EXPECT_EQ(s.host.reports[0].icon, MessageIcon::Exclamation);
    const std::string path = s.OpenFirst();
    s.document.Notepad();
    EXPECT_EQ(s.log, Log{"openapp:" + path});
}

// Every row of the state table, reached by the transitions that lead to it;
// "<file>" stands for first.ini in the test folder.
TEST(CarDocument, ControlsAndCarPathFollowTheStateTable) {
    struct Row {
        const char* name;
        std::function<void(Session&)> reach;
        const char* path;
        const char* states;
        const char* carPathText;
    };
    const Row rows[] = {
        {"no document at start", [](Session&) {}, "", "00", "No file loaded"},
        {"rejected load", [](Session& s) { s.Load(s.Car("bad.ini", CarText("bad", ""))); }, "",
         "00", "No file loaded"},
        {"new car", [](Session& s) { s.document.New(); }, "Unsaved", "01", "Unsaved"},
        {"file document", [](Session& s) { s.OpenFirst(); }, "<file>", "11", "<file>"},
        {"new car after a file", [](Session& s) { s.OpenFirst(), s.document.New(); }, "Unsaved",
         "01", "Unsaved"},
        {"rejected load after a file",
         [](Session& s) {
             s.OpenFirst(), s.Load(s.Car("bad.ini", CarText("bad", "   wheels=2\r\n")));
         },
         "", "00", "<file>"},
        {"save as from a new car",
         [](Session& s) {
             s.document.New();
             s.host.files.push_back(s.temp.File("first.ini"));
             s.document.SaveAs();
         },
         "<file>", "11", "<file>"},
        {"save, undo all and notepad",
         [](Session& s) {
             s.OpenFirst();
             s.document.Save();
             s.document.UndoAll();
             s.document.Notepad();
         },
         "<file>", "11", "<file>"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session s;
        row.reach(s);
        const auto expand = [&s](const std::string& text) {
            return text == "<file>" ? s.temp.File("first.ini") : text;
        };
        const bool open = row.states[1] == '1';
        EXPECT_EQ(s.document.DocumentPath(), expand(row.path));
        EXPECT_EQ(s.document.IsOpen(), open);
        EXPECT_EQ(s.document.Tree() != nullptr, open);
        EXPECT_EQ(s.States(), row.states);
        EXPECT_EQ(s.host.carPathText, expand(row.carPathText));
        EXPECT_EQ(s.pages.fieldsEnabled.value_or(false), open);  // the General page's fields
    }
}

// A file that cannot be read or written leaves the document exactly as it
// was and shows only the file error (never "Saved."), naming the file.
TEST(CarDocument, FileErrorsLeaveTheDocumentAlone) {
    struct Case {
        const char* name;
        bool startOpen;
        const char* fileName;
        std::function<void(Session&)> act;
    };
    const Case cases[] = {
        {"load over a file", true, "car.ini",
         [](Session& s) { s.Load(s.temp.File("no/car.ini")); }},
        {"load with no document", false, "car.ini",
         [](Session& s) { s.Load(s.temp.File("no/car.ini")); }},
        {"start-up load", false, "car.ini",
         [](Session& s) { EXPECT_FALSE(s.document.LoadAtStart(s.temp.File("no/car.ini"))); }},
        {"undo all after the file vanished", true, "first.ini",
         [](Session& s) { fs::remove(s.temp.File("first.ini")), s.document.UndoAll(); }},
        // A folder standing where the file was cannot be replaced by a file.
        {"save over a folder", true, "first.ini",
         [](Session& s) {
             fs::remove(s.temp.File("first.ini"));
             fs::create_directory(s.temp.File("first.ini"));
             s.host.answers.push_back(true);  // overwrite what now stands there
             EXPECT_FALSE(s.document.SaveDocument());
             EXPECT_TRUE(fs::is_directory(s.temp.File("first.ini")));
         }},
        {"save as into a missing folder", true, "target.ini",
         [](Session& s) {
             s.host.files.push_back(s.temp.File("no/target.ini"));
             s.document.SaveAs();
             EXPECT_EQ(test::ReadFile(s.temp.File("first.ini")), CarText("first"));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        if (c.startOpen) {
            s.OpenFirst();
        }
        const std::string before = s.document.DocumentPath() + "|" + s.host.carPathText + "|" +
                                   s.States() + "|" + s.TreeName();
        const ConfigTree* tree = s.document.Tree();
        c.act(s);
        EXPECT_EQ(s.document.DocumentPath() + "|" + s.host.carPathText + "|" + s.States() + "|" +
                      s.TreeName(),
                  before);
        EXPECT_EQ(s.document.Tree(), tree);
        ASSERT_EQ(s.host.reports.size(), 1u);
        EXPECT_EQ(s.host.reports[0].kind, ReportKind::FileError);
        EXPECT_NE(s.host.reports[0].text.find(c.fileName), std::string::npos);
        for (const std::string& event : s.log) {
            EXPECT_TRUE(event.rfind("fill:", 0) != 0 && event.rfind("states:", 0) != 0) << event;
        }
        if (c.startOpen) {
            fs::remove(s.temp.File("first.ini"));
            s.document.Save();  // the document still saves to its own file
            EXPECT_EQ(test::ReadFile(s.temp.File("first.ini")), CarText("first"));
        }
    }
}

// Modified means a save would store something other than at the last clean
// point; the pages' digest stands for what they would store. Load and New
// start the pages afresh, Undo All does not.
TEST(CarDocument, ModifiedFollowsWhatASaveWouldStore) {
    struct Step {
        const char* what;
        std::function<void(Session&)> act;
        bool modified;
        int resets;
    };
    const Step steps[] = {
        {"loaded", [](Session& s) { s.OpenFirst(); }, false, 1},
        {"edited", [](Session& s) { s.pages.state = 1; }, true, 1},
        {"typed back", [](Session& s) { s.pages.state = 0; }, false, 1},
        {"text a save refuses", [](Session& s) { s.pages.state = std::nullopt; }, true, 1},
        {"save declined",
         [](Session& s) {
             s.pages.state = 2;
             s.pages.checkValues.id = "";
             s.host.answers.push_back(false);
             EXPECT_FALSE(s.document.Save());
         },
         true, 1},
        {"saved",
         [](Session& s) {
             s.pages.checkValues = test::CleanCheckValues();
             EXPECT_TRUE(s.document.Save());
         },
         false, 1},
        {"edited, then undo all",
         [](Session& s) {
             s.pages.state = 3;
             s.document.UndoAll();
         },
         false, 1},
        {"edited, then new",
         [](Session& s) {
             s.pages.state = 4;
             s.document.New();
         },
         false, 2},
        {"edited, then a refused load",
         [](Session& s) {
             s.pages.state = 5;
             s.Load(s.Car("two.ini", CarText("two", "   wheels=2\r\n")));
         },
         false, 2},
    };
    Session s;
    EXPECT_FALSE(s.document.IsModified());
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act(s);
        EXPECT_EQ(s.document.IsModified(), step.modified);
        EXPECT_EQ(s.pages.resets, step.resets);
    }
}

// What another program did to the file since the document read or wrote it,
// and what a Save then asks and writes.
TEST(CarDocument, OutsideChangesAreNoticedAndAskedAboutBeforeASave) {
    const std::string overwrite =
        "The file \"first.ini\" was changed by another program since Rigwright read it. "
        "Overwrite those changes?";
    struct Case {
        const char* what;
        std::function<void(Session&, const std::string&)> act;
        DiskChange change;
        std::deque<bool> answers;  // a question is asked exactly when one is given
        const char* saved;         // the car name on disk afterwards
    };
    const Case cases[] = {
        {"untouched", [](Session&, const std::string&) {}, DiskChange::None, {}, "first"},
        {"rewritten, overwrite declined",
         [](Session& s, const std::string&) { s.Car("first.ini", CarText("other")); },
         DiskChange::Changed, {false}, "other"},
        {"rewritten, overwritten",
         [](Session& s, const std::string&) { s.Car("first.ini", CarText("other")); },
         DiskChange::Changed, {true}, "first"},
        {"replaced by renaming another file over it",
         [](Session& s, const std::string& path) {
             fs::rename(s.Car("new.ini", CarText("first")), path);
         },
         DiskChange::Changed, {false}, "first"},
        {"deleted", [](Session&, const std::string& path) { fs::remove(path); },
         DiskChange::Missing, {}, "first"},
        {"saved by the document itself",
         [](Session& s, const std::string&) { EXPECT_TRUE(s.document.Save()); },
         DiskChange::None, {}, "first"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Session s;
        const std::string path = s.OpenFirst();
        c.act(s, path);
        EXPECT_EQ(s.document.CheckDisk(), c.change);
        s.host.answers = c.answers;
        s.host.questions.clear();
        EXPECT_EQ(s.document.Save(), c.answers.empty() || c.answers.front());
        ASSERT_EQ(s.host.questions.size(), c.answers.size());
        if (!c.answers.empty()) {
            EXPECT_EQ(s.host.questions[0].text, overwrite);
            EXPECT_NE(std::find(s.log.begin(), s.log.end(), "ask:no"), s.log.end());
        }
        EXPECT_EQ(test::ReadFile(path), CarText(c.saved));
    }
}

// A file with lines the reader could not place asks before a save onto it
// loses them (No the default), until a save has written it; Save As to
// another file does not ask.
TEST(CarDocument, ASaveOntoADamagedFileAsksFirst) {
    const std::string damaged =
        "car\r\n{\r\n   wheels=4\r\n}\r\nengine {\r\n   max_rpm=7000\r\n}\r\n";
    Session s;
    const std::string path = s.Car("damaged.ini", damaged);
    s.Load(path);
    EXPECT_EQ(s.document.UnreadLines(), 2u);
    s.host.reports.clear();
    s.log.clear();
    s.host.answers = {false};
    EXPECT_FALSE(s.document.Save());
    EXPECT_EQ(s.log, Stores({"ask:no"}));
    EXPECT_EQ(s.host.questions.at(0).text,
              "\"damaged.ini\" had 2 lines that Rigwright could not read. Saving writes the car "
              "as Rigwright understood it, and those lines are lost. Save anyway?");
    EXPECT_EQ(test::ReadFile(path), damaged);

    s.host.files.push_back(s.temp.File("copy.ini"));
    EXPECT_TRUE(s.document.SaveAs());
    EXPECT_EQ(s.host.questions.size(), 1u);
    s.host.files.push_back(path);
    s.document.Load();
    s.host.answers = {true};
    EXPECT_TRUE(s.document.Save());
    EXPECT_EQ(s.document.UnreadLines(), 0u);
    EXPECT_TRUE(s.document.Save());
    EXPECT_EQ(s.host.questions.size(), 2u);
    EXPECT_EQ(test::ReadFile(path), s.document.Tree()->ToText());
}

}  // namespace
}  // namespace rw
