#pragma once

#include <memory>
#include <string>

#include "document/DocumentHost.h"
#include "document/PageProtocol.h"
#include "tree/ConfigTree.h"

namespace rw {

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
    void New();
    // Stores the pages, asks about warnings, writes. True when written.
    bool SaveDocument();
    void Save();
    void SaveAs();
    void UndoAll();
    void Notepad();
    void RefreshFromDocument();

    const std::string& DocumentPath() const { return documentPath; }
    bool IsOpen() const { return open; }
    // Null while no document is open.
    ConfigTree* Tree() const { return open ? tree.get() : nullptr; }

private:
    enum class SaveOutcome { Written, Declined, Failed };
    SaveOutcome StoreCheckAndWrite();
    bool LoadFrom(std::string path, bool showErrors);
    void ShowMessage(const std::string& text);

    DocumentHost& host;
    PageProtocol& pages;
    std::unique_ptr<ConfigTree> tree;
    std::string documentPath;
    bool open = false;
};

// Fills an empty "Unsaved" tree with the template car.
void BuildDefaultCar(ConfigTree& tree);

// Titles and texts the document shows.
inline constexpr const char* kIniDialogTitle = "Select an INI File";
inline constexpr const char* kIniFilter = "Tavix INI Files (*.ini)|*.ini||";

}  // namespace rw
