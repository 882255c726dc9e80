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

// Host and pages write the calls whose order matters to one log: the
// dialogs, the questions, the stores and the hand-over to another program.
using EventLog = std::vector<std::string>;

class RecordingReporter : public Reporter {
public:
    void Show(const Report& report) override { reports.push_back(report); }
    std::vector<Report> reports;
};

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

// Answers dialogs and questions from queues and keeps what it was shown.
class ScriptedHost : public DocumentHost {
public:
    explicit ScriptedHost(EventLog& log) : log(log) {}

    void Show(const Report& report) override { reports.push_back(report); }
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
    void ShowState(const DocumentState& shown) override { state = shown; }
    void SetCarPathText(const std::string& text) override { carPathText = text; }

    EventLog& log;
    std::deque<std::optional<std::string>> files;
    std::deque<bool> answers;
    std::vector<Report> reports;
    std::vector<Report> questions;
    DocumentState state;
    std::string carPathText = "No file loaded";
};

class RecordingPages : public PageProtocol {
public:
    explicit RecordingPages(EventLog& log) : log(log) {}

    // Notes the tree's car.name, so that tests can tell which tree the pages
    // were filled from.
    void FillAll(const ConfigTree& tree) override {
        filled = "";
        tree.GetString("car.name", *filled);
    }
    void StoreAll(ConfigTree& tree) override {
        log.push_back("store");
        if (onStore) {
            onStore(tree);
        }
    }
    // A refresh enables or disables the fields before it fills the pages, so
    // `filled` tells of the last refresh only.
    void EnableFields(bool enabled) override {
        fieldsEnabled = enabled;
        filled.reset();
    }
    std::string SaveWarnings() const override { return warnings; }
    void ResetAll() override { ++resets; }
    std::optional<std::uint64_t> StoredState() override { return state; }

    EventLog& log;
    int resets = 0;
    // What the pages would store; nothing stands for a field a save refuses.
    std::optional<std::uint64_t> state = 0;
    // The save-time warnings the pages would give.
    std::string warnings;
    std::function<void(ConfigTree&)> onStore;
    std::optional<bool> fieldsEnabled;
    // The car.name of the tree of the last fill.
    std::optional<std::string> filled;
};

}  // namespace rw::test
