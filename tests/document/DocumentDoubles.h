#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/DocumentHost.h"
#include "document/PageProtocol.h"

namespace rw::test {

// Host and pages write to one log so that tests see the order across both.
using EventLog = std::vector<std::string>;

// Records every call and answers dialogs and questions from queues; a dialog
// or question nobody scripted fails the test.
class ScriptedHost : public DocumentHost {
public:
    explicit ScriptedHost(EventLog& log) : log(log) {}

    void Show(const Report& report) override {
        log.push_back("show:" + report.text);
        reports.push_back(report);
    }
    std::optional<std::string> ChooseOpenFile(const std::string& title,
                                              const std::string& filter) override {
        return Choose("open", title, filter, openAnswers);
    }
    std::optional<std::string> ChooseSaveFile(const std::string& title,
                                              const std::string& filter) override {
        return Choose("save", title, filter, saveAnswers);
    }
    bool AskYesNo(const Report& question) override {
        log.push_back("ask");
        questions.push_back(question);
        if (yesNoAnswers.empty()) {
            ADD_FAILURE() << "unexpected question: " << question.text;
            return false;
        }
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    void OpenWithDefaultApp(const std::string& path) override {
        log.push_back("openapp:" + path);
        openedFiles.push_back(path);
    }
    void SetControlStates(const ControlStates& states) override {
        log.push_back(std::string("states:") + (states.saveUndoNotepad ? "1" : "0") +
                      (states.saveAsAndTabs ? "1" : "0"));
        controls = states;
    }
    void SetCarPathText(const std::string& text) override {
        log.push_back("carpath:" + text);
        carPathText = text;
    }

    struct Dialog {
        std::string kind;
        std::string title;
        std::string filter;
    };

    EventLog& log;
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::deque<bool> yesNoAnswers;
    std::vector<Report> reports;
    std::vector<Report> questions;
    std::vector<Dialog> dialogs;
    std::vector<std::string> openedFiles;
    ControlStates controls;
    std::string carPathText = "No file loaded";

private:
    std::optional<std::string> Choose(const std::string& kind, const std::string& title,
                                      const std::string& filter,
                                      std::deque<std::optional<std::string>>& answers) {
        log.push_back("dialog:" + kind);
        dialogs.push_back({kind, title, filter});
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected " << kind << " dialog";
            return std::nullopt;
        }
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Values that pass every save-time check.
inline SaveCheckValues CleanCheckValues() {
    SaveCheckValues values;
    values.maxRpm = 7000;
    values.idleRpm = 900;
    values.stallRpm = 500;
    values.startRpm = 1000;
    values.autoclutchRpm = 1500;
    values.shiftUpRpm = 6500;
    values.shiftDownRpm = 3000;
    values.curveTorque = "torque.crv";
    values.brakingCoeff = 0.74f;
    values.id = "rw_test";
    values.version = "050b10";
    values.differentialRatio = 4.1f;
    values.reverseRatio = -3.2f;
    for (auto& susp : values.suspensions) {
        susp = {0.1f, 0.3f, 0.2f};
    }
    return values;
}

// Records the protocol calls; on a fill it also notes the tree's car.name, so
// tests can tell which tree the pages were filled from.
class RecordingPages : public PageProtocol {
public:
    explicit RecordingPages(EventLog& log) : log(log) {}

    void FillFromTree(PageId page, const ConfigTree& tree) override {
        log.push_back(std::string("fill:") + PageTabLabel(page));
        std::string name;
        tree.GetString("car.name", name);
        filledNames.push_back(name);
    }
    void StoreToTree(PageId page, ConfigTree& tree) override {
        log.push_back(std::string("store:") + PageTabLabel(page));
        if (onStore) {
            onStore(page, tree);
        }
    }
    void EnableFields(bool enabled) override {
        log.push_back(enabled ? "enable:1" : "enable:0");
        fieldsEnabled = enabled;
    }
    SaveCheckValues CheckValues() const override { return checkValues; }

    EventLog& log;
    SaveCheckValues checkValues = CleanCheckValues();
    std::function<void(PageId, ConfigTree&)> onStore;
    std::vector<std::string> filledNames;
    std::optional<bool> fieldsEnabled;
};

}  // namespace rw::test
