#pragma once

#include <functional>
#include <string_view>

namespace rw {

// A line of a car file that the tree does not hold as the file has it; the
// document decides what to tell the user about it.
struct Diagnostic {
    enum class Kind {
        UninterpretableLine,  // no "=", no "~" and no brace: kept as a bare name
        SurplusClose,         // a "}" with no block open
        UnclosedBlock,        // a block still open at the end of the file
        // Lines read otherwise than they look:
        ByteOrderMark,   // the file begins with one; the tree keeps it
        CarriageReturn,  // a CR inside a line: the file may end its lines with CR only
        TextAfterBrace,  // "{ x=1", "} ; note", "}}": what follows the brace is dropped
        TildeInValue,    // "file=KESTRE~1.DOF" with no block: an inheritance line, not a value
    };
    Kind kind;
    long long line;  // 1 for the first line
    // The line without its outer blanks (for an unclosed block its name); it
    // views the text being read.
    std::string_view text;
};

using DiagnosticSink = std::function<void(const Diagnostic&)>;

}  // namespace rw
