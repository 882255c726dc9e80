#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "PageTestSupport.h"
#include "widgets/NumberField.h"

// Each folder of tests/data/sessions is one session in the editor window,
// over a work folder of its own:
//   before.ini  the car loaded at start, as car.ini in the work folder;
//               without it the session starts with no document
//   script      one action a line, # for a comment
//   messages    every message box text shown, in order, one a line
//   after.ini   car.ini's bytes after the script; without it car.ini must
//               hold before.ini's bytes (or not be there without before.ini)
// and any file a `put` of the script names; nothing else. In the script and
// the messages "\n" stands for a line break and $WORK for the work folder.
// A WIDGET is looked for on the shown page, then outside the pages.
//   show PAGE               its category, then a click on its tab
//   type WIDGET text        types over the field's text (none clears it)
//   append WIDGET text      types at the end of the field's text
//   click WIDGET            the mouse on a push button, the space bar on a
//                           check box or a radio button
//   key SEQUENCE            keys to the window, as Ctrl+S
//   spin-up WIDGET          a click on a number field's up arrow
//   select-wheels BUTTONS   clicks until exactly these wheels are checked
//   pick LIST ROW           a click on the list's row, 0 first
//   answer ANSWER           the next question's: Yes, No, Save, Discard, Cancel
//   choose-file NAME        the next file dialog's choice, in the work folder
//                           unless absolute; "-" cancels it
//   desktop-opens yes|no    whether the desktop has an application for files
//   put FILE NAME           copies a case file over a work folder file
//   remove NAME             deletes a work folder file
//   drop NAME               drags a work folder file onto the window
//   close                   the window's close button
//   expect-KIND WIDGET text the widget's: text (a field, label or button),
//                           enabled, checked, marked (as not readable),
//                           misread (as read otherwise than written),
//                           selected (all its text), tip, list (rows a|b),
//                           row (the current one); yes|no for a state
//   expect-cells TABLE ROW  the table row's cells, a|b|c
//   expect-KIND text        the window's page, title, modified, closed,
//                           focus (a widget name), opened (the paths handed
//                           to the desktop, a|b)
// An unknown action, a missing or stray file, an answer or a file choice
// left unused and every unmet expectation fail the case.
namespace rw::test {
namespace {

const std::string kSessions = RIGWRIGHT_SOURCE_DIR "/tests/data/sessions/";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::string YesNo(bool value) {
    return value ? "yes" : "no";
}

std::string Joined(const QStringList& parts) {
    return parts.join('|').toStdString();
}

// A script line: its first word after the action and what follows that, and
// everything after the action.
struct Line {
    std::string word, text, rest;
};

class Session {
public:
    explicit Session(const std::string& folder) : folder(folder + "/") {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        if (std::filesystem::exists(this->folder + "before.ini")) {
            std::filesystem::copy_file(this->folder + "before.ini", Work("car.ini"));
            window.LoadAtStart(Work("car.ini"));
        }
    }

    // Runs one line; false when the script cannot go on.
    bool Run(const std::string& script) {
        std::istringstream in(Replaced(script, "$WORK", WorkPath()));
        std::string action;
        Line line;
        in >> action;
        std::getline(in >> std::ws, line.rest);
        std::istringstream words(line.rest);
        words >> line.word;
        std::getline(words >> std::ws, line.text);
        for (std::string* part : {&line.word, &line.text, &line.rest}) {
            *part = Replaced(*part, "\\n", "\n");
        }
        bool went = false;
        if (const auto found = actions.find(action); found != actions.end()) {
            went = found->second(line);
        } else if (const auto getter = getters.find(action); getter != getters.end()) {
            QWidget* widget = Widget<QWidget>(line.word);
            went = widget != nullptr;
            EXPECT_EQ(went ? getter->second(widget, line.text) : "", line.text) << line.word;
        } else if (const auto fact = facts.find(action); fact != facts.end()) {
            went = true;
            EXPECT_EQ(fact->second(), line.rest) << action;
        } else {
            ADD_FAILURE() << "unknown action " << action;
        }
        QApplication::processEvents();
        return went;
    }

    std::string WorkPath() const { return work.path().toStdString(); }

    // The names a case folder may hold besides those of its puts.
    std::set<std::string> known = {"before.ini", "script", "messages", "after.ini"};
    ScriptedDialogs dialogs;
    QTemporaryDir work;
    MainDialog window{dialogs};

private:
    using Action = std::function<bool(const Line&)>;
    using Getter = std::function<std::string(QWidget*, const std::string&)>;

    std::string Work(const std::string& name) const {
        return name.starts_with('/') ? name : WorkPath() + "/" + name;
    }

    // The named widget on the shown page or outside every page.
    template <typename T>
    T* Widget(const std::string& name) {
        for (T* widget : window.findChildren<T*>(QString::fromStdString(name))) {
            QWidget* page = widget;
            while (page != nullptr && qobject_cast<PageView*>(page) == nullptr) {
                page = page->parentWidget();
            }
            if (page == nullptr || page == window.ShownPage()) {
                return widget;
            }
        }
        ADD_FAILURE() << "no " << name << " here";
        return nullptr;
    }

    bool Show(const std::string& label) {
        for (const PageRow& row : kPages) {
            if (label == row.label) {
                window.SelectCategory(row.category);
                auto* tabs = Find<QTabBar>(window, "pageTabBar");
                for (int i = 0; i < tabs->count(); ++i) {
                    if (tabs->tabText(i).toStdString() == label) {
                        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
                    }
                }
                return true;
            }
        }
        ADD_FAILURE() << "no page " << label;
        return false;
    }

    bool Type(const Line& line, bool over) {
        auto* edit = Widget<QLineEdit>(line.word);
        if (edit != nullptr) {
            edit->setFocus();
            over ? edit->selectAll() : edit->end(false);
            if (over && line.text.empty()) {
                QTest::keyClick(edit, Qt::Key_Delete);
            }
            QTest::keyClicks(edit, QString::fromStdString(line.text));
        }
        return edit != nullptr;
    }

    bool Click(QAbstractButton* button) {
        if (qobject_cast<QPushButton*>(button) != nullptr) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (button != nullptr) {
            // The box may sit anywhere in a stretched row.
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
        }
        return button != nullptr;
    }

    static MessageAnswer Answer(const std::string& name) {
        const std::map<std::string, MessageAnswer> answers = {{"Yes", MessageAnswer::Yes},
                                                              {"No", MessageAnswer::No},
                                                              {"Save", MessageAnswer::Save},
                                                              {"Discard", MessageAnswer::Discard},
                                                              {"Cancel", MessageAnswer::Cancel}};
        EXPECT_TRUE(answers.contains(name)) << name;
        return answers.contains(name) ? answers.at(name) : MessageAnswer::Ok;
    }

    template <typename T>
    static Getter State(bool (*test)(const T*)) {
        return [test](QWidget* widget, const std::string&) {
            const T* typed = qobject_cast<const T*>(widget);
            return typed == nullptr ? "not a " + std::string(T::staticMetaObject.className())
                                    : YesNo(test(typed));
        };
    }

    const std::string folder;
    const std::map<std::string, Action> actions = {
        {"show", [this](const Line& line) { return Show(line.rest); }},
        {"type", [this](const Line& line) { return Type(line, true); }},
        {"append", [this](const Line& line) { return Type(line, false); }},
        {"click", [this](const Line& line) { return Click(Widget<QAbstractButton>(line.word)); }},
        {"key",
         [this](const Line& line) {
             const QKeyCombination key = QKeySequence(QString::fromStdString(line.word))[0];
             QTest::keyClick(&window, key.key(), key.keyboardModifiers());
             return true;
         }},
        {"spin-up",
         [this](const Line& line) {
             auto* field = Widget<NumberField>(line.word);
             return field != nullptr && Click(field->UpButton());
         }},
        {"select-wheels",
         [this](const Line& line) {
             auto* selector = Widget<QWidget>("wheelSelector");
             const QString chosen = QString::fromStdString(" " + line.rest + " ");
             for (QPushButton* button : selector->findChildren<QPushButton*>()) {
                 if (button->isChecked() != chosen.contains(" " + button->objectName() + " ")) {
                     Click(button);
                 }
             }
             return selector != nullptr;
         }},
        {"pick",
         [this](const Line& line) {
             auto* list = Widget<QListWidget>(line.word);
             if (list != nullptr) {
                 const QRect row = list->visualItemRect(list->item(std::stoi(line.text)));
                 QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
             }
             return list != nullptr;
         }},
        {"answer",
         [this](const Line& line) {
             dialogs.answers.push_back(Answer(line.word));
             return dialogs.answers.back() != MessageAnswer::Ok;
         }},
        {"choose-file",
         [this](const Line& line) {
             dialogs.files.push_back(line.rest == "-" ? std::optional<std::string>()
                                                      : Work(line.rest));
             return true;
         }},
        {"desktop-opens",
         [this](const Line& line) {
             dialogs.desktopOpens = line.word == "yes";
             return true;
         }},
        {"put",
         [this](const Line& line) {
             known.insert(line.word);
             std::error_code error;
             std::filesystem::copy_file(folder + line.word, Work(line.text),
                                        std::filesystem::copy_options::overwrite_existing, error);
             EXPECT_FALSE(error) << line.word << ": " << error.message();
             return !error;
         }},
        {"remove", [this](const Line& line) { return std::filesystem::remove(Work(line.rest)); }},
        {"drop",
         [this](const Line& line) {
             QMimeData data;
             data.setUrls({QUrl::fromLocalFile(QString::fromStdString(Work(line.rest)))});
             return Drop(window, data);
         }},
        {"close",
         [this](const Line&) {
             window.close();
             return true;
         }},
        {"expect-cells",
         [this](const Line& line) {
             auto* table = Widget<QAbstractItemView>(line.word);
             QStringList cells;
             const int row = std::stoi(line.text);
             for (int column = 0; table && column < table->model()->columnCount(); ++column) {
                 cells << table->model()->index(row, column).data().toString();
             }
             EXPECT_EQ(std::to_string(row) + " " + Joined(cells), line.text) << line.word;
             return table != nullptr;
         }},
    };
    const std::map<std::string, Getter> getters = {
        {"expect-text",
         [](QWidget* widget, const std::string&) {
             if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
                 return edit->text().toStdString();
             }
             if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                 return label->text().toStdString();
             }
             const auto* button = qobject_cast<const QAbstractButton*>(widget);
             return button ? button->text().toStdString() : "no text";
         }},
        {"expect-enabled", State<QWidget>([](const QWidget* w) { return w->isEnabled(); })},
        {"expect-checked",
         State<QAbstractButton>([](const QAbstractButton* w) { return w->isChecked(); })},
        {"expect-marked", State<QWidget>(&DataExchange::IsMarkedInvalid)},
        {"expect-misread", State<QWidget>([](const QWidget* w) {
             return w->property(DataExchange::kMisreadProperty).toBool();
         })},
        {"expect-selected",
         State<QLineEdit>([](const QLineEdit* w) { return w->selectedText() == w->text(); })},
        {"expect-tip",
         [](QWidget* widget, const std::string&) { return widget->toolTip().toStdString(); }},
        {"expect-list",
         [](QWidget* widget, const std::string&) {
             QStringList rows;
             auto* list = qobject_cast<QListWidget*>(widget);
             for (int row = 0; list && row < list->count(); ++row) {
                 rows << list->item(row)->text();
             }
             return Joined(rows);
         }},
        {"expect-row",
         [](QWidget* widget, const std::string&) {
             auto* list = qobject_cast<QListWidget*>(widget);
             return list ? std::to_string(list->currentRow()) : "not a list";
         }},
    };
    const std::map<std::string, std::function<std::string()>> facts = {
        {"expect-page",
         [this] {
             std::string shown = "none";
             for (const PageRow& row : kPages) {
                 shown = window.View(row.id) == window.ShownPage() ? row.label : shown;
             }
             return shown;
         }},
        {"expect-title", [this] { return window.windowTitle().toStdString(); }},
        {"expect-modified", [this] { return YesNo(window.isWindowModified()); }},
        {"expect-closed", [this] { return YesNo(!window.isVisible()); }},
        {"expect-focus",
         [this] {
             return window.focusWidget() ? window.focusWidget()->objectName().toStdString() : "";
         }},
        {"expect-opened",
         [this] {
             QStringList opened;
             for (const std::string& path : dialogs.openedFiles) {
                 opened << QString::fromStdString(path);
             }
             return Joined(opened);
         }},
    };
};

TEST(SessionScripts, EachCaseEndsWithItsMessagesAndItsFile) {
    ASSERT_FALSE(Entries(kSessions).empty()) << kSessions;
    for (const std::string& name : Entries(kSessions)) {
        SCOPED_TRACE(name);
        const std::string folder = kSessions + name;
        ASSERT_TRUE(std::filesystem::exists(folder + "/script"));
        ASSERT_TRUE(std::filesystem::exists(folder + "/messages"));
        Session session(folder);
        std::istringstream script(ReadFile(folder + "/script"));
        int number = 0;
        for (std::string line; std::getline(script, line);) {
            SCOPED_TRACE("script line " + std::to_string(++number) + ": " + line);
            if (!line.empty() && !line.starts_with('#') && !session.Run(line)) {
                break;
            }
        }
        EXPECT_TRUE(session.dialogs.answers.empty()) << "answers left";
        EXPECT_TRUE(session.dialogs.files.empty()) << "file choices left";
        std::string shown;
        for (const std::string& text : session.dialogs.MessageTexts()) {
            shown += Replaced(Replaced(text, session.WorkPath(), "$WORK"), "\n", "\\n") + "\n";
        }
        EXPECT_EQ(shown, ReadFile(folder + "/messages"));
        const std::string expected =
            folder +
            (std::filesystem::exists(folder + "/after.ini") ? "/after.ini" : "/before.ini");
        const std::string car = session.WorkPath() + "/car.ini";
        EXPECT_EQ(std::filesystem::exists(car), std::filesystem::exists(expected));
        EXPECT_EQ(ReadFile(car), ReadFile(expected));
        for (const std::string& file : Entries(folder)) {
            EXPECT_TRUE(session.known.contains(file)) << "stray file " << file;
        }
    }
}

}  // namespace
}  // namespace rw::test
