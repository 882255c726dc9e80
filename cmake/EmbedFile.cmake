# Writes a C++ source whose function NAME() returns the bytes of INPUT as a
# std::string_view, so that a data file is part of the program and never
# looked up at run time. Run with -DINPUT=<file> -DOUTPUT=<file.cpp>
# -DNAME=<function>.
# The bytes are a char array of escapes, not a string literal: any byte may
# occur (NUL included) and no compiler's literal length limit applies. A NUL
# after them keeps the array from being empty.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "(..)" "'\\\\x\\1'," bytes "${hex}")
# Sixteen bytes a line.
string(REPEAT "'[^']*'," 16 line)
string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")
file(RELATIVE_PATH source "${CMAKE_CURRENT_LIST_DIR}/.." "${INPUT}")
file(WRITE "${OUTPUT}" "// Generated from ${source} at build time; edit that file instead.
#include <string_view>

namespace rw {

std::string_view ${NAME}();

namespace {
constexpr char kBytes[] = {
    ${bytes}'\\0'};
}  // namespace

std::string_view ${NAME}() {
    return {kBytes, sizeof kBytes - 1};
}

}  // namespace rw
")
