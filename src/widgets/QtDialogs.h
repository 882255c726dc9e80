#pragma once

#include <QString>
#include <string_view>

#include "widgets/Dialogs.h"

class QWidget;

namespace rw {

// The "Name (*.ext)|*.ext||" filter list as QFileDialog wants it:
// "Name (*.ext)" entries joined by ";;".
QString QtFileFilter(std::string_view windowsFilter);

// Dialogs on real Qt widgets, owned by `parent` for placement.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent(parent) {}

    void SetParent(QWidget* newParent) { parent = newParent; }
    // The file dialogs start in the folder of the file last chosen or made the
    // document, in the home folder before either.
    void SetStartFolderOf(const QString& filePath);
    const QString& StartFolder() const { return startFolder; }

    MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons) override;
    std::optional<std::string> ChooseOpenFile(const std::string& title,
                                              const std::string& filter) override;
    std::optional<std::string> ChooseSaveFile(const std::string& title,
                                              const std::string& filter) override;
    bool OpenWithDefaultApp(const std::string& path) override;

private:
    std::optional<std::string> ChooseFile(const std::string& title, const std::string& filter,
                                          bool save);

    QWidget* parent;
    QString startFolder;
};

}  // namespace rw
