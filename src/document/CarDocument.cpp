#include "document/CarDocument.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

#include "document/SaveCheck.h"

namespace rw {

namespace {

constexpr const char* kReadErrorText = "There was at least one error loading the INI file!";
constexpr const char* kWheelCountText =
    "This INI cannot be loaded.Either this INI cannot be parsed, or it does not have 4 wheels.\n";
constexpr const char* kNoFileText = "You have not yet loaded an INI file!";
constexpr const char* kSavedText = "Saved.";
constexpr const char* kWarningCaption = "Warning";

}  // namespace

CarDocument::CarDocument(DocumentHost& host, PageProtocol& pages) : host(host), pages(pages) {}

void CarDocument::ShowMessage(const std::string& text) {
    host.Show(Report{ReportKind::Message, text, kAppCaption, MessageIcon::Exclamation});
}

void CarDocument::Load() {
    std::optional<std::string> chosen = host.ChooseOpenFile(kIniDialogTitle, kIniFilter);
    if (!chosen) {
        return;
    }
    LoadFrom(std::move(*chosen), true);
}

bool CarDocument::LoadDocument(bool showErrors) {
    return LoadFrom(documentPath, showErrors);
}

bool CarDocument::LoadAtStart(const std::string& path) {
    return LoadFrom(path, true);
}

// The path only becomes the document path once the file was read: a file that
// cannot be opened leaves the previous document, its pages and controls alone.
bool CarDocument::LoadFrom(std::string path, bool showErrors) {
    auto fresh = std::make_unique<ConfigTree>(path);
    const ReadResult result = fresh->Read(showErrors, host);
    if (result == ReadResult::FileError) {
        return false;
    }
    if (result == ReadResult::Failed) {
        ShowMessage(kReadErrorText);
    }
    tree = std::move(fresh);
    documentPath = std::move(path);
    open = true;

    std::int32_t wheels = 0;
    tree->GetInt("car.wheels", wheels);
    const bool accepted = wheels == 4;
    if (!accepted) {
        ShowMessage(kWheelCountText);
        open = false;
        documentPath.clear();
        tree.reset();
    }
    RefreshFromDocument();
    return accepted;
}

void CarDocument::New() {
    auto fresh = std::make_unique<ConfigTree>(std::string(kUnsavedPath));
    fresh->Read(false, host);
    BuildDefaultCar(*fresh);
    tree = std::move(fresh);
    documentPath = std::string(kUnsavedPath);
    open = true;
    RefreshFromDocument();
}

CarDocument::SaveOutcome CarDocument::StoreCheckAndWrite() {
    if (!open || !tree) {
        return SaveOutcome::Failed;
    }
    for (PageId page : kStoreOrder) {
        pages.StoreToTree(page, *tree);
    }
    const std::string warnings = SaveWarnings(pages.CheckValues());
    if (!warnings.empty()) {
        const Report question{ReportKind::Message, SaveWarningMessage(warnings), kWarningCaption,
                              MessageIcon::Exclamation};
        if (!host.AskYesNo(question)) {
            return SaveOutcome::Declined;
        }
    }
    std::string previousSavePath = std::exchange(tree->savePath, documentPath);
    if (!tree->Save(host)) {
        tree->savePath = std::move(previousSavePath);
        return SaveOutcome::Failed;
    }
    host.Show(Report{ReportKind::Message, kSavedText, kAppCaption, MessageIcon::Information});
    return SaveOutcome::Written;
}

bool CarDocument::SaveDocument() {
    return StoreCheckAndWrite() == SaveOutcome::Written;
}

void CarDocument::Save() {
    SaveDocument();
}

void CarDocument::SaveAs() {
    if (!open) {
        return;
    }
    std::optional<std::string> chosen = host.ChooseSaveFile(kIniDialogTitle, kIniFilter);
    if (!chosen) {
        return;
    }
    std::string previousPath = std::exchange(documentPath, std::move(*chosen));
    // A declined save still moves the document to the new name; a failed write
    // must not, or the document would name a file that was never written.
    if (StoreCheckAndWrite() == SaveOutcome::Failed) {
        documentPath = std::move(previousPath);
        return;
    }
    RefreshFromDocument();
}

void CarDocument::UndoAll() {
    if (!open || documentPath == kUnsavedPath) {
        return;
    }
    auto fresh = std::make_unique<ConfigTree>(documentPath);
    if (fresh->Read(false, host) == ReadResult::FileError) {
        return;
    }
    tree = std::move(fresh);
    RefreshFromDocument();
}

void CarDocument::Notepad() {
    if (!documentPath.empty()) {
        host.OpenWithDefaultApp(documentPath);
    } else {
        ShowMessage(kNoFileText);
    }
}

void CarDocument::RefreshFromDocument() {
    open = !documentPath.empty() && tree != nullptr;
    ControlStates states;
    states.saveUndoNotepad = open && documentPath != kUnsavedPath;
    states.saveAsAndTabs = open;
    host.SetControlStates(states);
    pages.EnableFields(open);
    if (!open) {
        return;
    }
    host.SetCarPathText(documentPath);
    for (PageId page : kFillOrder) {
        pages.FillFromTree(page, *tree);
    }
}

}  // namespace rw
