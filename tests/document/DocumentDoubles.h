#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/DocumentHost.h"
#include "document/PageProtocol.h"
#include "tree/TreeTestSupport.h"

namespace rw::test {

// Host and pages write to one log so that tests see the order across both.
using EventLog = std::vector<std::string>;

// Pops the next scripted answer; one nobody scripted fails the test.
template <typename T>
T Next(std::deque<T>& answers, const std::string& what) {
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected " << what;
        return T{};
    }
    T answer = answers.front();
    answers.pop_front();
    return answer;
}

// Records every call in the log and answers dialogs and questions from queues.
class ScriptedHost : public DocumentHost {
public:
    explicit ScriptedHost(EventLog& log) : log(log) {}

    void Show(const Report& report) override {
        log.push_back("show:" + report.text);
        reports.push_back(report);
    }
    std::optional<std::string> ChooseOpenFile(const std::string& title,
                                              const std::string& filter) override {
        log.push_back("open:" + title + "|" + filter);
        return Next(files, "open dialog");
    }
    std::optional<std::string> ChooseSaveFile(const std::string& title,
                                              const std::string& filter) override {
        log.push_back("save:" + title + "|" + filter);
        return Next(files, "save dialog");
    }
    bool AskYesNo(const Report& question, DefaultAnswer preferred) override {
        log.push_back(preferred == DefaultAnswer::Yes ? "ask" : "ask:no");
        questions.push_back(question);
        return Next(answers, "question: " + question.text);
    }
    void OpenWithDefaultApp(const std::string& path) override { log.push_back("openapp:" + path); }
    void SetControlStates(const ControlStates& states) override {
        log.push_back(std::string("states:") + (states.saveUndoNotepad ? "1" : "0") +
                      (states.saveAsAndTabs ? "1" : "0"));
        controls = states;
    }
    void SetCarPathText(const std::string& text) override {
        log.push_back("carpath:" + text);
        carPathText = text;
    }

    EventLog& log;
    std::deque<std::optional<std::string>> files;
    std::deque<bool> answers;
    std::vector<Report> reports;
    std::vector<Report> questions;
    ControlStates controls;
    std::string carPathText = "No file loaded";
};

// Values that pass every save-time check.
inline SaveCheckValues CleanCheckValues() {
    SaveCheckValues values{7000,         900,   500,       1000,     1500, 6500, 3000,
                           "torque.crv", 0.74f, "rw_test", "050b10", 4.1f, -3.2f};
    values.suspensions.fill({0.1f, 0.3f, 0.2f});
    return values;
}

// Records the protocol calls; a fill also notes the tree's car.name, so that
// tests can tell which tree the pages were filled from.
class RecordingPages : public PageProtocol {
public:
    explicit RecordingPages(EventLog& log) : log(log) {}

    void FillFromTree(PageId page, const ConfigTree& tree) override {
        std::string name;
        tree.GetString("car.name", name);
        log.push_back(std::string("fill:") + PageTabLabel(page) + "=" + name);
    }
    void StoreToTree(PageId page, ConfigTree& tree) override {
        log.push_back(std::string("store:") + PageTabLabel(page));
        if (onStore) {
            onStore(tree);
        }
    }
    void EnableFields(bool enabled) override {
        log.push_back(enabled ? "enable:1" : "enable:0");
        fieldsEnabled = enabled;
    }
    SaveCheckValues CheckValues() const override { return checkValues; }
    void ResetAll() override { ++resets; }
    std::optional<std::uint64_t> StoredState() override { return state; }

    EventLog& log;
    int resets = 0;
    // What the pages would store; nothing stands for a field a save refuses.
    std::optional<std::uint64_t> state = 0;
    SaveCheckValues checkValues = CleanCheckValues();
    std::function<void(ConfigTree&)> onStore;
    std::optional<bool> fieldsEnabled;
};

}  // namespace rw::test
