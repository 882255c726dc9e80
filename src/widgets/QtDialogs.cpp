#include "widgets/QtDialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>

#include "widgets/TextCodec.h"

namespace rw {

QString QtFileFilter(std::string_view windowsFilter) {
    // Pairs of description and pattern, each part ended by '|'; an empty
    // description ends the list.
    QStringList entries;
    std::size_t at = 0;
    while (at < windowsFilter.size()) {
        std::size_t bar = windowsFilter.find('|', at);
        std::string_view description = windowsFilter.substr(at, bar - at);
        if (description.empty()) {
            break;
        }
        std::string_view pattern;
        if (bar != std::string_view::npos) {
            std::size_t end = windowsFilter.find('|', bar + 1);
            pattern = windowsFilter.substr(bar + 1, end - bar - 1);
            at = end == std::string_view::npos ? windowsFilter.size() : end + 1;
        } else {
            at = windowsFilter.size();
        }
        QString entry = DecodeBytes(description);
        QString patterns = DecodeBytes(pattern).replace(u';', u' ');
        // Qt takes the patterns from the parentheses of the description.
        if (!patterns.isEmpty() && !entry.endsWith(QStringLiteral("(") + patterns + u')')) {
            entry += QStringLiteral(" (") + patterns + u')';
        }
        entries << entry;
    }
    return entries.join(u";;");
}

MessageAnswer QtDialogs::ShowMessage(const std::string& text, const std::string& caption,
                                     MessageIcon icon, MessageButtons buttons) {
    QMessageBox box(parent);
    box.setWindowTitle(DecodeBytes(caption));
    box.setText(DecodeBytes(text));
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
        case MessageIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MessageIcon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    switch (buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            box.exec();
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
        case MessageButtons::NoYes:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(buttons == MessageButtons::YesNo ? QMessageBox::Yes
                                                                  : QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
        case MessageButtons::SaveDiscardCancel:
            box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Save);
            box.setEscapeButton(QMessageBox::Cancel);
            switch (box.exec()) {
                case QMessageBox::Save:
                    return MessageAnswer::Save;
                case QMessageBox::Discard:
                    return MessageAnswer::Discard;
                default:
                    return MessageAnswer::Cancel;
            }
    }
    return MessageAnswer::Ok;
}

void QtDialogs::SetStartFolderOf(const QString& filePath) {
    startFolder = QFileInfo(filePath).absolutePath();
}

std::optional<std::string> QtDialogs::ChooseFile(const std::string& title,
                                                 const std::string& filter, bool save) {
    QFileDialog dialog(parent, DecodeBytes(title));
    dialog.setNameFilter(QtFileFilter(filter));
    // Qt's own dialog: desktop portals insist on existing files for Open.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Saving asks before an existing file is replaced.
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setDirectory(startFolder.isEmpty() ? QDir::homePath() : startFolder);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.front().isEmpty()) {
        return std::nullopt;
    }
    SetStartFolderOf(files.front());
    const QByteArray bytes = QFile::encodeName(files.front());
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::optional<std::string> QtDialogs::ChooseOpenFile(const std::string& title,
                                                     const std::string& filter) {
    return ChooseFile(title, filter, false);
}

std::optional<std::string> QtDialogs::ChooseSaveFile(const std::string& title,
                                                     const std::string& filter) {
    return ChooseFile(title, filter, true);
}

bool QtDialogs::OpenWithDefaultApp(const std::string& path) {
    // A URL, not a command line: no character of the path can reach a shell.
    const QByteArray bytes(path.data(), static_cast<qsizetype>(path.size()));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(bytes)));
}

}  // namespace rw
