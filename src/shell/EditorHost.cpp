#include "shell/EditorHost.h"

#include "widgets/Dialogs.h"

namespace rw {

void EditorHost::BeginOperation() {
    FlushSuppressed();
    shownLines = 0;
}

void EditorHost::EndOperation() {
    FlushSuppressed();
}

void EditorHost::FlushSuppressed() {
    if (suppressedLines == 0) {
        return;
    }
    const std::string text =
        std::to_string(suppressedLines) + " more lines could not be interpreted.";
    suppressedLines = 0;
    dialogs.ShowMessage(text, kAppCaption, MessageIcon::Exclamation, MessageButtons::Ok);
}

void EditorHost::Show(const Report& report) {
    if (report.kind == ReportKind::UninterpretableLine) {
        if (shownLines >= kShownUninterpretableLines) {
            ++suppressedLines;
            return;
        }
        ++shownLines;
    } else {
        FlushSuppressed();
    }
    dialogs.ShowMessage(report.text, report.caption.empty() ? kAppCaption : report.caption,
                        report.icon, MessageButtons::Ok);
}

std::optional<std::string> EditorHost::ChooseOpenFile(const std::string& title,
                                                      const std::string& filter) {
    FlushSuppressed();
    return dialogs.ChooseOpenFile(title, filter);
}

std::optional<std::string> EditorHost::ChooseSaveFile(const std::string& title,
                                                      const std::string& filter) {
    FlushSuppressed();
    return dialogs.ChooseSaveFile(title, filter);
}

bool EditorHost::AskYesNo(const Report& question, DefaultAnswer preferred) {
    FlushSuppressed();
    return dialogs.ShowMessage(
               question.text, question.caption.empty() ? kAppCaption : question.caption,
               question.icon,
               preferred == DefaultAnswer::Yes ? MessageButtons::YesNo : MessageButtons::NoYes) ==
           MessageAnswer::Yes;
}

void EditorHost::OpenWithDefaultApp(const std::string& path) {
    if (!dialogs.OpenWithDefaultApp(path)) {
        dialogs.ShowMessage("The file \"" + path + "\" could not be opened.", kAppCaption,
                            MessageIcon::Exclamation, MessageButtons::Ok);
    }
}

void EditorHost::ShowState(const DocumentState& state) {
    if (onState) {
        onState(state);
    }
}

void EditorHost::SetCarPathText(const std::string& text) {
    if (onCarPathText) {
        onCarPathText(text);
    }
}

}  // namespace rw
