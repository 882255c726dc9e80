#pragma once

#include <string>

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

Report FileReadError(const std::string& path, int errorNumber);
Report FileWriteError(const std::string& path, int errorNumber);

}  // namespace rw
