#include <cstdio>

#include "shell/EditorApp.h"

int main(int argc, char** argv) {
    if (std::optional<std::string> text = rw::EditorApp::VersionOrHelp(argc, argv)) {
        std::printf("%s\n", text->c_str());
        return 0;
    }
    // Qt aborts with a long message without a display; say what to do instead.
    if (std::optional<std::string> problem = rw::EditorApp::MissingDisplay(argc, argv)) {
        std::fprintf(stderr, "%s\n", problem->c_str());
        return 1;
    }
    rw::EditorApp app;
    return app.Run(argc, argv);
}
