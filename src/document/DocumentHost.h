#pragma once

#include <optional>
#include <string>

#include "document/Reporter.h"

namespace rw {

// What the document is now; the window decides what that enables.
struct DocumentState {
    bool open = false;        // a car is open, from a file or new
    bool fileBacked = false;  // and it has a file of its own
};

// Which answer of a Yes/No question Enter gives.
enum class DefaultAnswer { Yes, No };

// Everything the car document asks of the window it lives in. Messages with
// an OK button go through Reporter::Show.
class DocumentHost : public Reporter {
public:
    // Filters come in the form "Name (*.ext)|*.ext||". Empty when cancelled.
    virtual std::optional<std::string> ChooseOpenFile(const std::string& title,
                                                      const std::string& filter) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const std::string& title,
                                                      const std::string& filter) = 0;
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(const Report& question, DefaultAnswer preferred) = 0;
    // Hands the file to the desktop's default application for its type.
    virtual void OpenWithDefaultApp(const std::string& path) = 0;
    virtual void ShowState(const DocumentState& state) = 0;
    virtual void SetCarPathText(const std::string& text) = 0;
};

}  // namespace rw
