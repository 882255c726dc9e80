#include "document/Reporter.h"

#include <cstring>

#include "tree/FileAccess.h"

namespace rw {

std::string FileErrorReason(std::error_code error, bool writing) {
    if (error == CarFileError::NotRegularFile) {
        return "it is no regular file";
    }
    if (error == CarFileError::TooManyLines) {
        return "it has more than " + std::to_string(kMaxCarFileLines) +
               " lines, the limit for a car file";
    }
    if (error == CarFileError::TooLarge) {
        return std::string(writing ? "the text would be" : "it is") + " larger than " +
               std::to_string(kMaxCarFileSize >> 20) + " MB, the limit for a car file";
    }
    return error.category() == std::generic_category() ? std::strerror(error.value())
                                                       : error.message();
}

namespace {

Report FileError(const std::string& path, const char* what, std::error_code error, bool writing) {
    Report report;
    report.kind = ReportKind::FileError;
    report.text = "The file \"" + Excerpt(path) + "\" could not be " + what + ": " +
                  FileErrorReason(error, writing);
    report.caption = kAppCaption;
    report.icon = MessageIcon::Error;
    return report;
}

}  // namespace

std::string Excerpt(std::string_view text) {
    if (text.size() <= kExcerptLength) {
        return std::string(text);
    }
    // Cut before a character, not inside one, so that UTF-8 stays UTF-8.
    std::size_t cut = kExcerptLength;
    for (int back = 0; back < 3 && (static_cast<unsigned char>(text[cut]) & 0xc0) == 0x80; ++back) {
        --cut;
    }
    return std::string(text.substr(0, cut)) + "...";
}

Report FileReadError(const std::string& path, std::error_code error) {
    return FileError(path, "read", error, false);
}

Report FileWriteError(const std::string& path, std::error_code error) {
    return FileError(path, "saved", error, true);
}

}  // namespace rw
