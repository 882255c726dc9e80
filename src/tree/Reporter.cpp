#include "tree/Reporter.h"

#include <cstring>

namespace rw {

namespace {

Report FileError(const std::string& path, const char* what, int errorNumber) {
    Report report;
    report.kind = ReportKind::FileError;
    report.text =
        "The file \"" + path + "\" could not be " + what + ": " + std::strerror(errorNumber);
    report.caption = kAppCaption;
    report.icon = MessageIcon::Error;
    return report;
}

}  // namespace

Report FileReadError(const std::string& path, int errorNumber) {
    return FileError(path, "read", errorNumber);
}

Report FileWriteError(const std::string& path, int errorNumber) {
    return FileError(path, "saved", errorNumber);
}

}  // namespace rw
