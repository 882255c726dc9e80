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
// an OK button go through Reporter::Show. A host without a window (the
// command line) needs only Show: it chooses no file, answers No, opens
// nothing and shows no state.
class DocumentHost : public Reporter {
public:
    // Filters come in the form "Name (*.ext)|*.ext||". Empty when cancelled.
    virtual std::optional<std::string> ChooseOpenFile(const std::string& /*title*/,
                                                      const std::string& /*filter*/) {
        return std::nullopt;
    }
    virtual std::optional<std::string> ChooseSaveFile(const std::string& /*title*/,
                                                      const std::string& /*filter*/) {
        return std::nullopt;
    }
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(const Report& /*question*/, DefaultAnswer /*preferred*/) { return false; }
    // Hands the file to the desktop's default application for its type.
    virtual void OpenWithDefaultApp(const std::string& /*path*/) {}
    virtual void ShowState(const DocumentState& /*state*/) {}
    virtual void SetCarPathText(const std::string& /*text*/) {}
};

}  // namespace rw
