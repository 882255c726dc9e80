#pragma once

#include <functional>
#include <string>

#include "document/DocumentHost.h"

namespace rw {

class Dialogs;

// The car document's window, in message boxes and file dialogs through
// Dialogs. It caps the reader's "Cannot interpret value" boxes per
// operation, so that a binary file picked by mistake costs a few clicks only.
class EditorHost : public DocumentHost {
public:
    static constexpr int kShownUninterpretableLines = 10;

    explicit EditorHost(Dialogs& dialogs) : dialogs(dialogs) {}

    // Around every document operation: the cap counts from the first, the
    // summary of the lines not shown follows at the latest with the last.
    void BeginOperation();
    void EndOperation();

    void Show(const Report& report) override;
    std::optional<std::string> ChooseOpenFile(const std::string& title,
                                              const std::string& filter) override;
    std::optional<std::string> ChooseSaveFile(const std::string& title,
                                              const std::string& filter) override;
    bool AskYesNo(const Report& question, DefaultAnswer preferred) override;
    void OpenWithDefaultApp(const std::string& path) override;
    void ShowState(const DocumentState& state) override;
    void SetCarPathText(const std::string& text) override;

    std::function<void(const DocumentState&)> onState;
    std::function<void(const std::string&)> onCarPathText;

private:
    // Shows the summary of the suppressed lines, if any, so that it stands
    // before whatever the operation says next.
    void FlushSuppressed();

    Dialogs& dialogs;
    int shownLines = 0;
    int suppressedLines = 0;
};

}  // namespace rw
