#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "document/DocumentDoubles.h"
#include "widgets/Dialogs.h"

// Dialogs for tests: records every message and file request ("open" or
// "save") and answers from queues. An answer the test did not script is a
// test failure.
class ScriptedDialogs : public rw::Dialogs {
public:
    struct Message {
        std::string text, caption;
        rw::MessageButtons buttons;
    };

    rw::MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                                  rw::MessageIcon, rw::MessageButtons buttons) override {
        messages.push_back({text, caption, buttons});
        if (buttons == rw::MessageButtons::Ok) {
            return rw::MessageAnswer::Ok;
        }
        const rw::MessageAnswer answer = rw::test::Next(answers, "question: " + text);
        // Only the box's own buttons can answer it.
        const bool saves = buttons == rw::MessageButtons::SaveDiscardCancel;
        EXPECT_EQ(saves, answer == rw::MessageAnswer::Save ||
                             answer == rw::MessageAnswer::Discard ||
                             answer == rw::MessageAnswer::Cancel)
            << text;
        return answer;
    }
    std::optional<std::string> ChooseOpenFile(const std::string&, const std::string&) override {
        fileRequests.push_back("open");
        return rw::test::Next(files, "open dialog");
    }
    std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&) override {
        fileRequests.push_back("save");
        return rw::test::Next(files, "save dialog");
    }
    bool OpenWithDefaultApp(const std::string& path) override {
        openedFiles.push_back(path);
        return desktopOpens;
    }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const Message& message : messages) {
            texts.push_back(message.text);
        }
        return texts;
    }

    std::vector<Message> messages;
    std::vector<std::string> fileRequests, openedFiles;
    // Answers to questions, in order.
    std::deque<rw::MessageAnswer> answers;
    // Answers to file dialogs (open and save share the queue); nothing cancels.
    std::deque<std::optional<std::string>> files;
    // Whether the desktop has an application for the files handed to it.
    bool desktopOpens = true;
};
