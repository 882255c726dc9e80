#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "document/DocumentHost.h"
#include "document/PageProtocol.h"
#include "tree/ConfigTree.h"
#include "tree/FileStamp.h"

namespace rw {

// How the car file on disk stands against what the document last read or
// wrote.
enum class DiskChange { None, Changed, Missing };

// The one car file the editor works on, driven by the main window's buttons.
class CarDocument {
public:
    CarDocument(DocumentHost& host, PageProtocol& pages);

    void Load();
    // Replaces the tree by the file at the document path, validates it and
    // refreshes. Returns false when the file could not be read or was refused.
    bool LoadDocument(bool showErrors);
    // The editor's start-up load of a file named on the command line.
    bool LoadAtStart(const std::string& path);
    // Counts the cars this document has held: a Load, a refused load and a
    // New each start another; an Undo All or a reload does not.
    std::uint64_t Generation() const { return generation; }
    void New();
    // Stores the pages, asks what a save onto this file must ask, writes.
    // True when written.
    bool SaveDocument();
    bool Save();
    // True when the file chosen was written.
    bool SaveAs();
    void UndoAll();
    // Reads the file again after another program changed it, as Undo All
    // does but without a message. False when it could not be read.
    bool Reload();
    void Notepad();
    void RefreshFromDocument();

    // The car file's path; empty without a document and for a new car.
    const std::string& DocumentPath() const { return documentPath; }
    bool IsOpen() const { return open; }
    // Open on a file of its own, not a new car that was never saved.
    bool IsFileBacked() const { return open && !untitled; }
    // Null while no document is open.
    ConfigTree* Tree() const { return open ? tree.get() : nullptr; }

    // Whether a save would write something other than it would have written
    // right after the last Load, New, Undo All, reload or save. The pages
    // take their controls for it; text a save would refuse is a change.
    bool IsModified();
    // The file's name without its folder, kUntitledName for a new car, empty
    // without a document.
    std::string DisplayName() const;
    // The file on disk now against the last read or write of the document.
    DiskChange CheckDisk() const;
    // The lines of the last read that a save onto the same file would lose.
    std::size_t UnreadLines() const;

private:
    enum class SaveOutcome { Written, Declined, Failed };
    SaveOutcome StoreCheckAndWrite();
    // The questions a save onto the file the document read must ask first;
    // false when the user said No.
    bool MaySaveOntoOwnFile();
    bool LoadFrom(std::string path, bool showErrors);
    bool ReadAgain(Reporter& reporter);
    void MarkClean();
    void ShowMessage(const std::string& text);

    DocumentHost& host;
    PageProtocol& pages;
    std::unique_ptr<ConfigTree> tree;
    std::string documentPath;
    bool open = false;
    // A new car that has no file yet.
    bool untitled = false;
    // What the pages stored at the last clean point; none while closed.
    std::optional<std::uint64_t> cleanState;
    // The file at the document path as last read or written.
    FileStamp diskStamp;
    std::uint64_t generation = 0;
};

// Fills an empty tree with the template car.
void BuildDefaultCar(ConfigTree& tree);

// Titles and texts the document shows. A new car is named kUntitledName in
// the car path text and the window title.
inline constexpr const char* kUntitledName = "Unsaved";
inline constexpr const char* kIniDialogTitle = "Select an INI File";
inline constexpr const char* kIniFilter = "Tavix INI Files (*.ini)|*.ini||";

// "N lines" with the singular for one.
std::string CountedLines(std::size_t count);

}  // namespace rw
