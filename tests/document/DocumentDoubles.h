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

// A message as its kind (U uninterpretable line, B brace balance, F file
// error, M message), its icon (i information, ! exclamation, x error), its
// caption where that is not the program's, and its text.
inline std::string Brief(const Report& r) {
    return std::string{"UBFM"[static_cast<int>(r.kind)], "-i!?x"[static_cast<int>(r.icon)], ' '} +
           (r.caption == kAppCaption ? "" : r.caption + ": ") + r.text;
}

class RecordingReporter : public Reporter {
public:
    void Show(const Report& report) override { shown.push_back(Brief(report)); }
    std::vector<std::string> shown;
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

// Answers dialogs and questions from queues and keeps what it was shown:
// each question as "Yes? " or "No? " (the default answer) and its brief.
class ScriptedHost : public DocumentHost {
public:
    void Show(const Report& report) override { reports.push_back(Brief(report)); }
    std::optional<std::string> ChooseOpenFile(const std::string&, const std::string&) override {
        return Next(files, "open dialog");
    }
    std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&) override {
        return Next(files, "save dialog");
    }
    bool AskYesNo(const Report& question, DefaultAnswer preferred) override {
        questions.push_back((preferred == DefaultAnswer::Yes ? "Yes? " : "No? ") + Brief(question));
        return Next(answers, "question: " + question.text);
    }
    void OpenWithDefaultApp(const std::string& path) override { opened.push_back(path); }
    void ShowState(const DocumentState& shown) override { state = shown; }
    void SetCarPathText(const std::string& text) override { carPathText = text; }

    std::deque<std::optional<std::string>> files;
    std::deque<bool> answers;
    std::vector<std::string> reports, questions, opened;
    DocumentState state;
    std::string carPathText = "No file loaded";
};

class RecordingPages : public PageProtocol {
public:
    // Notes the tree's car.name, so that tests can tell which tree the pages
    // were filled from; a refresh enables or disables the fields first, so
    // `filled` tells of the last refresh only.
    void FillAll(const ConfigTree& tree) override {
        filled = "";
        tree.GetString("car.name", *filled);
    }
    void StoreAll(ConfigTree& tree) override {
        if (onStore) {
            onStore(tree);
        }
    }
    void EnableFields(bool enabled) override {
        fieldsEnabled = enabled;
        filled.reset();
    }
    std::string SaveWarnings() const override { return warnings; }
    void ResetAll() override { ++resets; }
    std::optional<std::uint64_t> StoredState() override { return state; }

    int resets = 0;
    // What the pages would store; nothing stands for a field a save refuses.
    std::optional<std::uint64_t> state = 0;
    std::string warnings;
    std::function<void(ConfigTree&)> onStore;
    std::optional<bool> fieldsEnabled;
    std::optional<std::string> filled;
};

}  // namespace rw::test
