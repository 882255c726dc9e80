#pragma once

#include <optional>
#include <string>

namespace rw {

// The program's start: the display check, the application object, the main
// window and the car file named on the command line.
class EditorApp {
public:
    // The car file to load at start: the one argument left after Qt took its
    // own options; any other number of arguments names none.
    static std::optional<std::string> StartFile(int argc, const char* const* argv);
    // The text for a lone --version or --help argument, printed instead of
    // starting the editor; nothing for any other command line.
    static std::optional<std::string> VersionOrHelp(int argc, const char* const* argv);
    // Why Qt could not show a window here, or nothing when it can (a display
    // in the environment, or a platform chosen explicitly).
    static std::optional<std::string> MissingDisplay(int argc, const char* const* argv);

    // Runs the editor until its window closes; the process exit code.
    int Run(int& argc, char** argv);
};

}  // namespace rw
