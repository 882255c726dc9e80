#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "DocumentDoubles.h"
#include "document/CarDocument.h"
#include "document/SaveCheck.h"

namespace rw {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

const std::string kFourWheelText =
    "This INI cannot be loaded.Either this INI cannot be parsed, or it does not have 4 wheels.\n";

std::string CarText(const std::string& name, const std::string& wheelsLine = "   wheels=4\r\n") {
    return "car\r\n{\r\n   name=" + name + "\r\n" + wheelsLine + "}\r\n";
}

// A document over scripted doubles and a folder of its own, refreshed once
// with no document as the main window does at start-up.
struct Session {
    Session() { document.RefreshFromDocument(); }
    std::string Car(const std::string& name, const std::string& content) {
        test::WriteFile(temp.File(name), content);
        return temp.File(name);
    }
    void Load(const std::string& path) {
        host.files.push_back(path);
        document.Load();
    }
    // A file document named "first" at first.ini, with reports and fills
    // cleared.
    std::string OpenFirst() {
        Load(Car("first.ini", CarText("first")));
        EXPECT_TRUE(document.IsOpen());
        host.reports.clear();
        pages.filled.reset();
        return temp.File("first.ini");
    }
    std::string TreeName() {
        std::string name;
        return document.Tree() && document.Tree()->GetString("car.name", name) ? name : "";
    }
    // The document path | the controls | the car path text | the car.name of
    // the tree the last refresh filled every page from | each message since
    // the last call; paths below the test folder.
    std::string Facts() {
        const auto local = [this](const std::string& path) {
            return path.rfind(temp.path + "/", 0) == 0 ? path.substr(temp.path.size() + 1) : path;
        };
        std::string facts = local(document.DocumentPath()) + "|" +
                            (host.state.fileBacked ? "1" : "0") + (host.state.open ? "1" : "0") +
                            "|" + local(host.carPathText) + "|" + pages.filled.value_or("none") +
                            "|";
        for (const std::string& report : std::exchange(host.reports, {})) {
            facts += report + "|";
        }
        return facts;
    }

    test::TempDir temp;
    test::ScriptedHost host;
    test::RecordingPages pages;
    CarDocument document{host, pages};
};

// A new car saved as first.ini; the warnings are answered No unless `write`.
void NewSavedAsFirst(Session& s, bool write) {
    s.document.New();
    s.pages.warnings = write ? "" : "no curve\n";
    s.host.answers = {false};
    s.host.files.push_back(s.temp.File("first.ini"));
    EXPECT_EQ(s.document.SaveAs(), write);
    EXPECT_EQ(fs::exists(s.temp.File("first.ini")) ? test::ReadFile(s.temp.File("first.ini")) : "-",
              write ? s.document.Tree()->ToText() : "-");
}

// Every row of the state table and the messages on the way there, reached
// by the transitions that lead to it. Save As moves the document and
// refreshes even when the warnings stop the write; Load refuses any wheel
// count but four.
TEST(CarDocument, TransitionsFollowTheStateTable) {
    const std::string refused = "M! " + kFourWheelText + "|";
    const std::tuple<const char*, std::function<void(Session&)>, std::string> rows[] = {
        {"no document at start", [](Session&) {}, "|00|No file loaded|none|"},
        {"notepad without a document", [](Session& s) { s.document.Notepad(); },
         "|00|No file loaded|none|M! You have not yet loaded an INI file!|"},
        // "Unsaved" names a new car in the window, and a file may have that name.
        {"start-up load of a file named Unsaved",
         [](Session& s) { EXPECT_TRUE(s.document.LoadAtStart(s.Car("Unsaved", CarText("u")))); },
         "Unsaved|11|Unsaved|u|"},
        {"refused loads after a file",
         [](Session& s) {
             for (const char* line :
                  {"", "   wheels=0\r\n", "   wheels=2\r\n", "   wheels=6\r\n"}) {
                 s.OpenFirst(), s.Load(s.Car("bad.ini", CarText("bad", line)));
                 EXPECT_FALSE(s.document.IsOpen()) << line;
             }
         },
         "|00|first.ini|none|" + refused},
        {"file with a line the reader reports",
         [](Session& s) {
             s.Load(s.Car("odd.ini",
                          "car\r\n{\r\n   name=odd\r\n   stray line\r\n   wheels=4\r\n}\r\n"));
         },
         "odd.ini|11|odd.ini|odd|U! Cannot interpret value \"stray line\" on line 4|"},
        {"new car after a file",
         [](Session& s) {
             s.OpenFirst(), s.document.New();
             EXPECT_EQ(s.document.Tree()->ToText(),
                       test::ReadFile(RIGWRIGHT_SOURCE_DIR "/resources/default-car.ini"));
         },
         "|01|Unsaved||"},
        {"cancelled dialogs",
         [](Session& s) {
             s.OpenFirst(), s.host.files = {std::nullopt, std::nullopt};
             s.document.Load(), s.document.SaveAs();
             EXPECT_TRUE(s.host.files.empty());
         },
         "first.ini|11|first.ini|none|"},
        {"save as from a new car", [](Session& s) { NewSavedAsFirst(s, true); },
         "first.ini|11|first.ini||Mi Saved.|"},
        {"declined save as from a new car", [](Session& s) { NewSavedAsFirst(s, false); },
         "first.ini|11|first.ini||"},
        {"save, undo all and notepad",
         [](Session& s) {
             s.OpenFirst();
             s.document.Save(), s.document.UndoAll(), s.document.Notepad();
             EXPECT_EQ(s.host.opened, Texts{s.temp.File("first.ini")});
         },
         "first.ini|11|first.ini|first|Mi Saved.|"},
    };
    for (const auto& [name, reach, facts] : rows) {
        SCOPED_TRACE(name);
        Session s;
        reach(s);
        EXPECT_EQ(s.Facts(), facts);
        const bool open = s.host.state.open;
        // The General page's fields follow the document too.
        EXPECT_EQ(std::tuple(s.document.IsOpen(), s.document.Tree() != nullptr,
                             s.pages.fieldsEnabled.value_or(false)),
                  std::tuple(open, open, open));
    }
}

// Warnings ask (Yes the default) before writing; the stored values stay in
// the tree either way and the pages are not refilled. Undo All afterwards
// rereads the file without checks or reports.
TEST(CarDocument, SaveAsksOnWarningsWritesWithoutRefreshAndUndoAllRereads) {
    const std::tuple<const char*, std::deque<bool>, const char*> cases[] = {
        {"", {}, "edited"}, {"no id\n", {true}, "edited"}, {"no id\n", {false}, "first"}};
    for (const auto& [warnings, answers, file] : cases) {
        SCOPED_TRACE(file);
        Session s;
        const std::string path = s.OpenFirst();
        s.pages.onStore = [](ConfigTree& tree) { tree.SetString("car.name", "edited"); };
        s.pages.warnings = warnings;
        s.host.answers = answers;
        const bool written = std::string(file) == "edited";
        EXPECT_EQ(s.document.SaveDocument(), written);
        EXPECT_EQ(
            s.host.questions,
            answers.empty() ? Texts{} : Texts{"Yes? M! Warning: " + SaveWarningMessage(warnings)});
        EXPECT_EQ(s.TreeName(), "edited");
        EXPECT_EQ(test::ReadFile(path), CarText(file));
        EXPECT_EQ(s.Facts(),
                  std::string("first.ini|11|first.ini|none|") + (written ? "Mi Saved.|" : ""));
        // The file lost its wheel count and gained a line Load would report.
        s.Car("first.ini", "car\r\n{\r\n   name=on disk\r\n   stray line\r\n}\r\n");
        s.document.UndoAll();
        EXPECT_EQ(s.Facts(), "first.ini|11|first.ini|on disk|");
    }
}

// A file that cannot be read or written leaves the document exactly as it
// was and shows only the file error (never "Saved."), naming the file.
TEST(CarDocument, FileErrorsLeaveTheDocumentAlone) {
    const auto load = [](Session& s) { s.Load(s.temp.File("no/car.ini")); };
    const std::tuple<const char*, bool, const char*, std::function<void(Session&)>> cases[] = {
        {"load over a file", true, "car.ini", load},
        {"load with no document", false, "car.ini", load},
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
    for (const auto& [name, startOpen, fileName, act] : cases) {
        SCOPED_TRACE(name);
        Session s;
        if (startOpen) {
            s.OpenFirst();
        }
        const std::string before = s.Facts() + s.TreeName();
        const ConfigTree* tree = s.document.Tree();
        act(s);
        ASSERT_EQ(s.host.reports.size(), 1u);
        EXPECT_TRUE(s.host.reports[0].starts_with("Fx The file \"")) << s.host.reports[0];
        EXPECT_NE(s.host.reports[0].find(fileName), std::string::npos);
        s.host.reports.clear();
        EXPECT_EQ(s.Facts() + s.TreeName(), before);
        EXPECT_EQ(s.document.Tree(), tree);
        if (startOpen) {
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
    const std::tuple<const char*, std::function<void(Session&)>, bool, int> steps[] = {
        {"loaded", [](Session& s) { s.OpenFirst(); }, false, 1},
        {"edited", [](Session& s) { s.pages.state = 1; }, true, 1},
        {"typed back", [](Session& s) { s.pages.state = 0; }, false, 1},
        {"text a save refuses", [](Session& s) { s.pages.state = std::nullopt; }, true, 1},
        {"save declined",
         [](Session& s) {
             s.pages.state = 2, s.pages.warnings = "no id\n", s.host.answers.push_back(false);
             EXPECT_FALSE(s.document.Save());
         },
         true, 1},
        {"saved", [](Session& s) { s.pages.warnings.clear(), s.document.Save(); }, false, 1},
        {"edited, then undo all", [](Session& s) { s.pages.state = 3, s.document.UndoAll(); },
         false, 1},
        {"edited, then new", [](Session& s) { s.pages.state = 4, s.document.New(); }, false, 2},
        {"edited, then a refused load",
         [](Session& s) {
             s.pages.state = 5, s.Load(s.Car("two.ini", CarText("two", "   wheels=2\r\n")));
         },
         false, 2},
    };
    Session s;
    EXPECT_FALSE(s.document.IsModified());
    for (const auto& [what, act, modified, resets] : steps) {
        SCOPED_TRACE(what);
        act(s);
        EXPECT_EQ(s.document.IsModified(), modified);
        EXPECT_EQ(s.pages.resets, resets);
    }
}

// What another program did to the file since the document read or wrote it,
// and what a Save then asks (No the default) and writes.
TEST(CarDocument, OutsideChangesAreNoticedAndAskedAboutBeforeASave) {
    const std::string overwrite =
        "No? M! The file \"first.ini\" was changed by another program since Rigwright read it. "
        "Overwrite those changes?";
    const auto rewrite = [](Session& s, const std::string&) { s.Car("first.ini", CarText("o")); };
    struct Case {
        const char* what;
        std::function<void(Session&, const std::string&)> act;
        DiskChange change;
        std::deque<bool> answers;  // a question is asked exactly when one is given
        const char* saved;         // the car name on disk afterwards
    };
    const Case cases[] = {
        {"untouched", [](Session&, const std::string&) {}, DiskChange::None, {}, "first"},
        {"rewritten, overwrite declined", rewrite, DiskChange::Changed, {false}, "o"},
        {"rewritten, overwritten", rewrite, DiskChange::Changed, {true}, "first"},
        {"replaced by renaming another file over it",
         [](Session& s, const std::string& path) {
             fs::rename(s.Car("new.ini", CarText("first")), path);
         },
         DiskChange::Changed,
         {false},
         "first"},
        {"deleted",
         [](Session&, const std::string& path) { fs::remove(path); },
         DiskChange::Missing,
         {},
         "first"},
        {"saved by the document itself",
         [](Session& s, const std::string&) { EXPECT_TRUE(s.document.Save()); },
         DiskChange::None,
         {},
         "first"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Session s;
        const std::string path = s.OpenFirst();
        c.act(s, path);
        EXPECT_EQ(s.document.CheckDisk(), c.change);
        s.host.answers = c.answers;
        EXPECT_EQ(s.document.Save(), c.answers.empty() || c.answers.front());
        EXPECT_EQ(s.host.questions, c.answers.empty() ? Texts{} : Texts{overwrite});
        EXPECT_EQ(test::ReadFile(path), CarText(c.saved));
    }
}

// A file with lines the reader could not place asks before a save onto it
// loses them (No the default), until a save has written it; Save As to
// another file does not ask.
TEST(CarDocument, ASaveOntoADamagedFileAsksFirst) {
    const std::string damaged =
        "car\r\n{\r\n   wheels=4\r\n}\r\nengine {\r\n   max_rpm=7000\r\n}\r\n";
    const std::string question =
        "No? M! \"damaged.ini\" had 2 lines that Rigwright could not read. Saving writes the car "
        "as Rigwright understood it, and those lines are lost. Save anyway?";
    Session s;
    const std::string path = s.Car("damaged.ini", damaged);
    s.Load(path);
    EXPECT_EQ(s.document.UnreadLines(), 2u);
    s.host.answers = {false};
    EXPECT_FALSE(s.document.Save());
    EXPECT_EQ(s.host.questions, Texts{question});
    EXPECT_EQ(test::ReadFile(path), damaged);

    s.host.files.push_back(s.temp.File("copy.ini"));
    EXPECT_TRUE(s.document.SaveAs());
    s.Load(path);
    s.host.answers = {true};
    EXPECT_TRUE(s.document.Save());
    EXPECT_EQ(s.document.UnreadLines(), 0u);
    EXPECT_TRUE(s.document.Save());
    EXPECT_EQ(s.host.questions, (Texts{question, question}));
    EXPECT_EQ(test::ReadFile(path), s.document.Tree()->ToText());
}

}  // namespace
}  // namespace rw
