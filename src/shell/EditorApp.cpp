#include "shell/EditorApp.h"

#include <QApplication>
#include <QSessionManager>
#include <cstdlib>
#include <string_view>

#include "shell/MainDialog.h"
#include "widgets/QtDialogs.h"

namespace rw {

namespace {

bool EnvironmentSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

std::optional<std::string> EditorApp::StartFile(int argc, const char* const* argv) {
    if (argc != 2) {
        return std::nullopt;
    }
    return std::string(argv[1]);
}

std::optional<std::string> EditorApp::VersionOrHelp(int argc, const char* const* argv) {
    if (argc != 2) {
        return std::nullopt;
    }
    const std::string_view argument = argv[1];
    if (argument == "--version") {
        return "rigwright " RIGWRIGHT_VERSION;
    }
    if (argument == "--help" || argument == "-h") {
        return "usage: rigwright [FILE]\n"
               "Opens the editor for the Tavix car file FILE (car.ini), or with no file.\n"
               "rigwright-cli edits car files without a window.";
    }
    return std::nullopt;
}

std::optional<std::string> EditorApp::MissingDisplay(int argc, const char* const* argv) {
    if (EnvironmentSet("QT_QPA_PLATFORM") || EnvironmentSet("DISPLAY") ||
        EnvironmentSet("WAYLAND_DISPLAY")) {
        return std::nullopt;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform" ||
            argument.starts_with("-platform=") || argument.starts_with("--platform=")) {
            return std::nullopt;
        }
    }
    return "rigwright: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); "
           "run it under a virtual one with: xvfb-run ./run.sh [FILE]";
}

int EditorApp::Run(int& argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rigwright"));
    QApplication::setDesktopFileName(QStringLiteral("rigwright"));
    // QApplication has removed its own options from argc and argv by now.
    const std::optional<std::string> startFile = StartFile(argc, argv);

    QtDialogs dialogs;
    MainDialog window(dialogs);
    dialogs.SetParent(&window);
    QObject::connect(&window, &MainDialog::DocumentFileChanged, &window,
                     [&dialogs](const QString& path) { dialogs.SetStartFolderOf(path); });
    // Logging out asks about unsaved changes as closing the window does.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager& manager) {
                         if (manager.allowsInteraction()) {
                             if (!window.MayDiscardChanges()) {
                                 manager.cancel();
                             }
                             manager.release();
                         }
                     });
    window.show();
    if (startFile) {
        window.LoadAtStart(*startFile);
    }
    window.exec();
    return 0;
}

}  // namespace rw
