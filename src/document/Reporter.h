#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

namespace rw {

enum class MessageIcon { None, Information, Exclamation, Question, Error };

// What a report is about, so that a front end can treat kinds differently
// (the editor caps the number of boxes for uninterpretable lines).
enum class ReportKind { UninterpretableLine, BraceBalance, FileError, Message };

struct Report {
    ReportKind kind = ReportKind::Message;
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
};

// Where the core sends the messages a user has to see. The editor shows them
// in message boxes, the command line prints them.
class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void Show(const Report& report) = 0;
};

// The caption of the editor's own message boxes.
inline constexpr const char* kAppCaption = "TAVIX Rigwright";

// How much of a file's text a message quotes at most.
inline constexpr std::size_t kExcerptLength = 200;

// File content or a file name as a message quotes it: at most kExcerptLength
// bytes, then "...", so that a huge line cannot swamp a message box.
std::string Excerpt(std::string_view text);

// Why a file could not be read or written.
std::string FileErrorReason(std::error_code error, bool writing);
Report FileReadError(const std::string& path, std::error_code error);
Report FileWriteError(const std::string& path, std::error_code error);

}  // namespace rw
