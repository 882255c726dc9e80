#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "widgets/Dialogs.h"

// Dialogs for tests: records every message and file request and answers from
// queues. An answer the test did not script is a test failure.
class ScriptedDialogs : public rw::Dialogs {
public:
    struct Message {
        std::string text;
        std::string caption;
        rw::MessageButtons buttons;
    };
    struct FileRequest {
        std::string title;
        bool save;
    };

    rw::MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                                  rw::MessageIcon, rw::MessageButtons buttons) override {
        messages.push_back({text, caption, buttons});
        if (buttons == rw::MessageButtons::Ok) {
            return rw::MessageAnswer::Ok;
        }
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return rw::MessageAnswer::No;
        }
        rw::MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<std::string> ChooseOpenFile(const std::string& title,
                                              const std::string&) override {
        return Choose({title, false});
    }
    // As Qt's dialog does, choosing an existing file asks before it is
    // replaced; No is taken as cancelling the dialog.
    std::optional<std::string> ChooseSaveFile(const std::string& title,
                                              const std::string&) override {
        std::optional<std::string> chosen = Choose({title, true});
        if (chosen && std::filesystem::exists(*chosen) &&
            ShowMessage(std::filesystem::path(*chosen).filename().string() +
                            " already exists.\nDo you want to replace it?",
                        title, rw::MessageIcon::Exclamation,
                        rw::MessageButtons::NoYes) != rw::MessageAnswer::Yes) {
            return std::nullopt;
        }
        return chosen;
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
    std::vector<FileRequest> fileRequests;
    std::vector<std::string> openedFiles;
    // Answers to Yes/No questions, in order.
    std::deque<rw::MessageAnswer> answers;
    // Answers to file dialogs (open and save share the queue); nothing cancels.
    std::deque<std::optional<std::string>> files;
    // Whether the desktop has an application for the files handed to it.
    bool desktopOpens = true;

private:
    std::optional<std::string> Choose(FileRequest request) {
        fileRequests.push_back(std::move(request));
        if (files.empty()) {
            ADD_FAILURE() << "unexpected file dialog: " << fileRequests.back().title;
            return std::nullopt;
        }
        std::optional<std::string> answer = files.front();
        files.pop_front();
        return answer;
    }
};
