#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

#include "cli/Cli.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    int status = rw::RunCli(args, std::cout, std::cerr, ::isatty(STDOUT_FILENO) == 1);
    std::cout.flush();
    if (!std::cout) {
        // A full disk or a closed standard output: the output is incomplete.
        // errno still holds why the last write failed.
        const int error = errno;
        std::cerr << "rigwright-cli: standard output could not be written: "
                  << (error != 0 ? std::strerror(error) : "write error") << '\n';
        return 2;
    }
    return status;
}
