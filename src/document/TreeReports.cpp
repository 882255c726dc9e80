#include "document/TreeReports.h"

#include <new>
#include <string>
#include <utility>

namespace rw {

namespace {

// Turns the reader's diagnostics into messages; the brace balance is one
// message after the read, surplus braces before unclosed blocks.
class DiagnosticReports {
public:
    DiagnosticReports(bool showErrors, Reporter& reporter)
        : showErrors(showErrors), reporter(reporter) {}

    DiagnosticSink Sink() {
        return [this](const Diagnostic& diagnostic) { Note(diagnostic); };
    }

    void Finish() {
        const char* text = nullptr;
        if (surplusClose) {
            text = "Detected more '}' than '{' , may not have read data correctly";
        } else if (unclosed) {
            text = "Detected more '{' than '}' , may not have read data correctly";
        }
        if (text != nullptr) {
            reporter.Show(
                Report{ReportKind::BraceBalance, text, "Error!", MessageIcon::Exclamation});
        }
    }

private:
    void Note(const Diagnostic& diagnostic) {
        switch (diagnostic.kind) {
            case Diagnostic::Kind::UninterpretableLine:
                Line("Cannot interpret value \"" + Excerpt(diagnostic.text) + "\" on line " +
                     std::to_string(diagnostic.line));
                return;
            case Diagnostic::Kind::ByteOrderMark:
                Line("Line 1 begins with a byte order mark.");
                return;
            case Diagnostic::Kind::CarriageReturn:
                Line("Line " + std::to_string(diagnostic.line) +
                     " holds a carriage return that does not end it: \"" +
                     Excerpt(diagnostic.text) + "\"");
                return;
            case Diagnostic::Kind::TextAfterBrace:
                Line("Text after the brace on line " + std::to_string(diagnostic.line) +
                     " is not read: \"" + Excerpt(diagnostic.text) + "\"");
                return;
            case Diagnostic::Kind::TildeInValue:
                Line("Line " + std::to_string(diagnostic.line) +
                     " reads as an inheritance line, not as a value, because of its \"~\": \"" +
                     Excerpt(diagnostic.text) + "\"");
                return;
            case Diagnostic::Kind::SurplusClose:
                surplusClose = true;
                return;
            case Diagnostic::Kind::UnclosedBlock:
                unclosed = true;
                return;
        }
    }

    // A line the tree does not hold as the file has it, shown like the
    // uninterpretable ones.
    void Line(std::string text) {
        if (showErrors) {
            reporter.Show(Report{ReportKind::UninterpretableLine, std::move(text), kAppCaption,
                                 MessageIcon::Exclamation});
        }
    }

    bool showErrors;
    Reporter& reporter;
    bool surplusClose = false;
    bool unclosed = false;
};

}  // namespace

bool ReadReported(ConfigTree& tree, bool showErrors, Reporter& reporter) {
    DiagnosticReports reports(showErrors, reporter);
    std::error_code error;
    try {
        error = tree.Read(reports.Sink());
    } catch (const std::bad_alloc&) {
        // Out of memory for this file is a failed read like any other: the
        // caller drops the half-read tree and keeps what it had, which a
        // crash would lose.
        error = std::make_error_code(std::errc::not_enough_memory);
    }
    if (error) {
        reporter.Show(FileReadError(tree.path, error));
        return false;
    }
    reports.Finish();
    return true;
}

void ReadTextReported(ConfigTree& tree, std::string_view text, bool showErrors,
                      Reporter& reporter) {
    DiagnosticReports reports(showErrors, reporter);
    tree.ReadText(text, reports.Sink());
    reports.Finish();
}

bool SaveReported(const ConfigTree& tree, Reporter& reporter, FileStamp* written) {
    if (const std::error_code error = tree.Save(written)) {
        reporter.Show(FileWriteError(tree.savePath, error));
        return false;
    }
    return true;
}

}  // namespace rw
