#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/Reporter.h"

namespace rw {

// The buttons of a message box; the first named is the default.
enum class MessageButtons { Ok, YesNo, NoYes, SaveDiscardCancel };
enum class MessageAnswer { Ok, Yes, No, Save, Discard, Cancel };

// Everything the editor asks of the desktop. Passed in, never global, so the
// GUI tests can script every answer. Texts and paths are bytes as the car
// file and the file system hold them.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                                      MessageIcon icon, MessageButtons buttons) = 0;
    // Filters in the form "Name (*.ext)|*.ext||". Nothing when cancelled.
    virtual std::optional<std::string> ChooseOpenFile(const std::string& title,
                                                      const std::string& filter) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const std::string& title,
                                                      const std::string& filter) = 0;
    // Hands the file to the desktop's default application for its type;
    // false when the desktop could not.
    virtual bool OpenWithDefaultApp(const std::string& path) = 0;
};

}  // namespace rw
