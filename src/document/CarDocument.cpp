#include "document/CarDocument.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

#include "document/SaveCheck.h"
#include "document/SilentReporter.h"
#include "document/TreeReports.h"
#include "tree/FileStamp.h"

namespace rw {

namespace {

constexpr const char* kWheelCountText =
    "This INI cannot be loaded.Either this INI cannot be parsed, or it does not have 4 wheels.\n";
constexpr const char* kNoFileText = "You have not yet loaded an INI file!";
constexpr const char* kSavedText = "Saved.";
constexpr const char* kWarningCaption = "Warning";

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string CountedLines(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " line" : " lines");
}

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
    if (!ReadReported(*fresh, showErrors, host)) {
        return false;
    }
    tree = std::move(fresh);
    ++generation;
    documentPath = std::move(path);
    untitled = false;
    open = true;
    diskStamp = tree->readStamp;

    std::int32_t wheels = 0;
    tree->GetInt("car.wheels", wheels);
    const bool accepted = wheels == 4;
    if (!accepted) {
        ShowMessage(kWheelCountText);
        open = false;
        documentPath.clear();
        tree.reset();
    } else {
        // Another car's values must not show where this file has none.
        pages.ResetAll();
    }
    RefreshFromDocument();
    MarkClean();
    return accepted;
}

void CarDocument::New() {
    auto fresh = std::make_unique<ConfigTree>();
    BuildDefaultCar(*fresh);
    tree = std::move(fresh);
    ++generation;
    documentPath.clear();
    untitled = true;
    open = true;
    diskStamp = {};
    pages.ResetAll();
    RefreshFromDocument();
    MarkClean();
}

CarDocument::SaveOutcome CarDocument::StoreCheckAndWrite() {
    if (!open || !tree) {
        return SaveOutcome::Failed;
    }
    pages.StoreAll(*tree);
    // The check for another program's change and the write are one step
    // for every writer that locks, as rigwright-cli set does.
    FileLock lock;
    if (const std::error_code error = lock.Acquire(documentPath)) {
        host.Show(FileWriteError(documentPath, error));
        return SaveOutcome::Failed;
    }
    if (!MaySaveOntoOwnFile()) {
        return SaveOutcome::Declined;
    }
    const std::string warnings = pages.SaveWarnings();
    if (!warnings.empty()) {
        const Report question{ReportKind::Message, SaveWarningMessage(warnings), kWarningCaption,
                              MessageIcon::Exclamation};
        if (!host.AskYesNo(question, DefaultAnswer::Yes)) {
            return SaveOutcome::Declined;
        }
    }
    std::string previousSavePath = std::exchange(tree->savePath, documentPath);
    FileStamp written;
    if (!SaveReported(*tree, host, &written)) {
        tree->savePath = std::move(previousSavePath);
        return SaveOutcome::Failed;
    }
    lock.Release();
    diskStamp = written;
    if (documentPath == tree->path) {
        // The file holds the car as understood now.
        tree->unreadLines = 0;
    }
    MarkClean();
    host.Show(Report{ReportKind::Message, kSavedText, kAppCaption, MessageIcon::Information});
    return SaveOutcome::Written;
}

bool CarDocument::MaySaveOntoOwnFile() {
    const std::string name = DisplayName();
    if (CheckDisk() == DiskChange::Changed) {
        const Report question{ReportKind::Message,
                              "The file \"" + Excerpt(name) +
                                  "\" was changed by another program since Rigwright read it. "
                                  "Overwrite those changes?",
                              kAppCaption, MessageIcon::Exclamation};
        if (!host.AskYesNo(question, DefaultAnswer::No)) {
            return false;
        }
    }
    if (const std::size_t lost = UnreadLines(); lost > 0) {
        const Report question{ReportKind::Message,
                              "\"" + Excerpt(name) + "\" had " + CountedLines(lost) +
                                  " that Rigwright could not read. Saving writes the car as "
                                  "Rigwright understood it, and those lines are lost. Save anyway?",
                              kAppCaption, MessageIcon::Exclamation};
        if (!host.AskYesNo(question, DefaultAnswer::No)) {
            return false;
        }
    }
    return true;
}

bool CarDocument::SaveDocument() {
    return StoreCheckAndWrite() == SaveOutcome::Written;
}

bool CarDocument::Save() {
    return SaveDocument();
}

bool CarDocument::SaveAs() {
    if (!open) {
        return false;
    }
    std::optional<std::string> chosen = host.ChooseSaveFile(kIniDialogTitle, kIniFilter);
    if (!chosen) {
        return false;
    }
    std::string previousPath = std::exchange(documentPath, std::move(*chosen));
    const bool wasUntitled = std::exchange(untitled, false);
    const FileStamp previousStamp = diskStamp;
    if (documentPath != previousPath) {
        // The file dialog asked before an existing file is replaced, so
        // whatever is there now counts as read.
        diskStamp = StampOf(documentPath);
    }
    // A declined save still moves the document to the new name; a failed write
    // must not, or the document would name a file that was never written.
    const SaveOutcome outcome = StoreCheckAndWrite();
    if (outcome == SaveOutcome::Failed) {
        documentPath = std::move(previousPath);
        untitled = wasUntitled;
        diskStamp = previousStamp;
        return false;
    }
    RefreshFromDocument();
    return outcome == SaveOutcome::Written;
}

bool CarDocument::ReadAgain(Reporter& reporter) {
    auto fresh = std::make_unique<ConfigTree>(documentPath);
    if (!ReadReported(*fresh, false, reporter)) {
        return false;
    }
    tree = std::move(fresh);
    diskStamp = tree->readStamp;
    RefreshFromDocument();
    MarkClean();
    return true;
}

void CarDocument::UndoAll() {
    if (IsFileBacked()) {
        ReadAgain(host);
    }
}

bool CarDocument::Reload() {
    // The window says what happened; no boxes for the read.
    SilentReporter quiet;
    return IsFileBacked() && ReadAgain(quiet);
}

void CarDocument::Notepad() {
    if (!documentPath.empty()) {
        host.OpenWithDefaultApp(documentPath);
    } else {
        ShowMessage(kNoFileText);
    }
}

void CarDocument::MarkClean() {
    cleanState = open ? pages.StoredState() : std::nullopt;
}

bool CarDocument::IsModified() {
    if (!open) {
        return false;
    }
    const std::optional<std::uint64_t> now = pages.StoredState();
    return !now || now != cleanState;
}

std::string CarDocument::DisplayName() const {
    if (!open) {
        return {};
    }
    return untitled ? std::string(kUntitledName) : FileNameOf(documentPath);
}

DiskChange CarDocument::CheckDisk() const {
    if (!IsFileBacked()) {
        return DiskChange::None;
    }
    const FileStamp now = StampOf(documentPath);
    if (!now.exists) {
        return diskStamp.exists ? DiskChange::Missing : DiskChange::None;
    }
    return now == diskStamp ? DiskChange::None : DiskChange::Changed;
}

std::size_t CarDocument::UnreadLines() const {
    return open && tree != nullptr && documentPath == tree->path ? tree->unreadLines : 0;
}

void CarDocument::RefreshFromDocument() {
    open = tree != nullptr && (untitled || !documentPath.empty());
    host.ShowState(DocumentState{open, IsFileBacked()});
    pages.EnableFields(open);
    if (!open) {
        return;
    }
    host.SetCarPathText(untitled ? std::string(kUntitledName) : documentPath);
    pages.FillAll(*tree);
}

}  // namespace rw
