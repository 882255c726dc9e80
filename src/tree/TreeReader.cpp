#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <cstdint>
#include <cstring>
#include <vector>

#include "tree/ConfigTree.h"
#include "tree/FileAccess.h"

namespace rw {

namespace {

// A line of the text with its first "=" and its first "~", or null.
struct Line {
    std::string_view text;
    const char* equals;
    const char* tilde;
};

const char* Find(std::string_view text, char c) {
    return static_cast<const char*>(std::memchr(text.data(), c, text.size()));
}

#ifdef __SSE2__
// Which of the 64 bytes at `bytes` are `c`, a bit each, the first byte lowest.
std::uint64_t Matches(const char* bytes, char c) {
    const __m128i wanted = _mm_set1_epi8(c);
    std::uint64_t bits = 0;
    for (int i = 0; i < 4; ++i) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * i));
        bits |= std::uint64_t{static_cast<std::uint16_t>(
                    _mm_movemask_epi8(_mm_cmpeq_epi8(block, wanted)))}
                << (16 * i);
    }
    return bits;
}
#endif

// Splits the text into lines. Most lines of a car file are short: one look
// at the 64 bytes where a line begins finds its end, its "=" and its "~"
// together; a longer line is searched byte by byte. The text must be
// followed by SourceText::kReadAhead bytes that hold no line break.
template <typename Handler>
void SplitLines(std::string_view text, Handler&& handle) {
    const char* line = text.data();
    const char* const end = line + text.size();
    while (line != end) {
#ifdef __SSE2__
        if (const std::uint64_t breaks = Matches(line, '\n'); breaks != 0) {
            const int length = __builtin_ctzll(breaks);
            const std::uint64_t before = (std::uint64_t{1} << length) - 1;
            const std::uint64_t equals = Matches(line, '=') & before;
            const std::uint64_t tilde = Matches(line, '~') & before;
            handle(Line{std::string_view(line, static_cast<std::size_t>(length)),
                        equals != 0 ? line + __builtin_ctzll(equals) : nullptr,
                        tilde != 0 ? line + __builtin_ctzll(tilde) : nullptr});
            line += length + 1;
            continue;
        }
#endif
        const char* lineEnd =
            Find(std::string_view(line, static_cast<std::size_t>(end - line)), '\n');
        if (lineEnd == nullptr) {
            lineEnd = end;
        }
        const std::string_view whole(line, static_cast<std::size_t>(lineEnd - line));
        handle(Line{whole, Find(whole, '='), Find(whole, '~')});
        line = lineEnd == end ? end : lineEnd + 1;
    }
}

std::string_view TrimLine(std::string_view line) {
    std::size_t begin = 0;
    while (begin < line.size() && (line[begin] == ' ' || line[begin] == '\t')) {
        ++begin;
    }
    std::size_t end = line.size();
    while (end > begin && (line[end - 1] == ' ' || line[end - 1] == '\t' || line[end - 1] == '\r' ||
                           line[end - 1] == '\n')) {
        --end;
    }
    return line.substr(begin, end - begin);
}

// Turns the text of a car file into nodes below `root`. Names and values view
// the text, which must live as long as the tree. The children of each open
// block gather on one stack and move into an exact array of the arena when the
// block closes.
class LineReader {
public:
    LineReader(NodeArena& arena, TreeNode& root, const DiagnosticSink& sink)
        : arena(arena), sink(sink) {
        open.push_back({&root, 0, 0, false});
    }

    // Returns the number of lines the tree does not hold as they stand.
    std::size_t Run(std::string_view text) {
        // The text after the last line break is a line only when it is not
        // empty, so a saved file reads back without growing a blank line.
        SplitLines(text, [this](const Line& line) {
            ++lineNumber;
            Handle(line);
        });
        FlushPending();
        EndInheritLine(false);
        while (open.size() > 1) {
            unread += open.back().counted ? 0 : 1;
            Note(Diagnostic::Kind::UnclosedBlock, open.back().line, open.back().block->name);
            Close();
        }
        Close();
        return unread;
    }

private:
    enum class Previous { Other, ValueLine, InheritLine, PendingName };
    struct Frame {
        TreeNode* block;
        std::size_t firstChild;  // in `pending`
        long long line;          // where the block opened
        bool counted;            // that line is among the unread ones already
    };

    void Note(Diagnostic::Kind kind, long long line, std::string_view text) {
        if (sink) {
            sink(Diagnostic{kind, line, text});
        }
    }

    // True when the line has text after its brace, which is dropped.
    bool NoteTextAfterBrace(std::string_view line) {
        if (line.size() <= 1 || lineCounted) {
            return lineCounted;
        }
        ++unread;
        lineCounted = true;
        Note(Diagnostic::Kind::TextAfterBrace, lineNumber, line);
        return true;
    }

    TreeNode* Add(NodeKind kind, std::string_view name, std::string_view value) {
        TreeNode* node = arena.MakeNode(kind, NodeText(name), NodeText(value));
        node->parent = open.back().block;
        pending.push_back(node);
        return node;
    }

    void Close() {
        const Frame frame = open.back();
        open.pop_back();
        frame.block->children.Assign(arena, pending.data() + frame.firstChild,
                                     pending.size() - frame.firstChild);
        pending.resize(frame.firstChild);
    }

    void Handle(const Line& raw) {
        // Trimming takes blanks and line ends only, so the marks stay inside.
        const std::string_view line = TrimLine(raw.text);
        EndInheritLine(!line.empty() && line.front() == '{');
        lineCounted = line.find('\r') != std::string_view::npos;
        if (lineCounted) {
            ++unread;
            Note(Diagnostic::Kind::CarriageReturn, lineNumber, line);
        }
        if (line.empty()) {
            FlushPending();
            Add(NodeKind::BlankLine, {}, {});
            previous = Previous::Other;
            return;
        }
        switch (line.front()) {
            case '{':
                Open(NoteTextAfterBrace(line));
                previous = Previous::Other;
                return;
            case ';':
                FlushPending();
                Add(NodeKind::Comment, {}, line);
                previous = Previous::Other;
                return;
            case '}':
                FlushPending();
                NoteTextAfterBrace(line);
                if (open.size() == 1) {
                    // A surplus brace: what follows stays in the root.
                    ++unread;
                    Note(Diagnostic::Kind::SurplusClose, lineNumber, line);
                } else {
                    Close();
                }
                previous = Previous::Other;
                return;
            default:
                break;
        }
        if (raw.tilde != nullptr && raw.tilde != line.data()) {
            const auto tilde = static_cast<std::size_t>(raw.tilde - line.data());
            FlushPending();
            previousNode =
                Add(NodeKind::InheritBlock, line.substr(0, tilde), line.substr(tilde + 1));
            previous = Previous::InheritLine;
            inheritLine = lineNumber;
            inheritCounted = lineCounted;
            return;
        }
        const std::size_t equals = raw.equals != nullptr
                                       ? static_cast<std::size_t>(raw.equals - line.data())
                                       : std::string_view::npos;
        std::string_view name = line.substr(0, equals == std::string_view::npos ? 0 : equals);
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t' || name.back() == '\r' ||
                                 name.back() == '\n')) {
            name.remove_suffix(1);
        }
        // A name of nothing but carriage returns would be written as a line
        // that begins with "=", which reads back as a name line: read it as
        // one now, so that a saved file reads back into the same tree.
        if (name.empty()) {
            FlushPending();
            pendingName = line;
            pendingLine = lineNumber;
            pendingCounted = lineCounted;
            previous = Previous::PendingName;
            return;
        }
        FlushPending();
        std::string_view value = line.substr(equals + 1);
        while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) {
            value.remove_prefix(1);
        }
        previousNode = Add(NodeKind::Value, name, value);
        previous = Previous::ValueLine;
    }

    // An inheritance line that no "{" line follows keeps its bytes; one that
    // reads like a value ("file=KESTRE~1.DOF") is a value the tree does not
    // hold, so it is reported and counted.
    void EndInheritLine(bool braced) {
        if (previous != Previous::InheritLine || braced) {
            return;
        }
        previousNode->unbraced = true;
        previous = Previous::Other;
        const NodeText& name = previousNode->name;
        if (name.find('=') != std::string_view::npos) {
            unread += inheritCounted ? 0 : 1;
            Note(Diagnostic::Kind::TildeInValue, inheritLine,
                 std::string_view(name.data(), name.size() + 1 + previousNode->value.size()));
        }
    }

    void Open(bool counted) {
        TreeNode* block = nullptr;
        switch (previous) {
            case Previous::PendingName:
                block = Add(NodeKind::Block, pendingName, {});
                break;
            case Previous::ValueLine:
                previousNode->kind = NodeKind::Block;
                block = previousNode;
                break;
            case Previous::InheritLine:
                block = previousNode;
                break;
            case Previous::Other:
                return;
        }
        open.push_back({block, pending.size(), lineNumber, counted});
    }

    void FlushPending() {
        if (previous != Previous::PendingName) {
            return;
        }
        Add(NodeKind::LoneName, pendingName, {});
        unread += pendingCounted ? 0 : 1;
        previous = Previous::Other;
        Note(Diagnostic::Kind::UninterpretableLine, pendingLine, pendingName);
    }

    NodeArena& arena;
    const DiagnosticSink& sink;
    std::vector<Frame> open;
    std::vector<TreeNode*> pending;
    Previous previous = Previous::Other;
    TreeNode* previousNode = nullptr;
    std::string_view pendingName;
    long long pendingLine = 0;
    bool pendingCounted = false;
    long long inheritLine = 0;
    bool inheritCounted = false;
    // The line being read has been counted among the unread ones.
    bool lineCounted = false;
    long long lineNumber = 0;
    // Lone names and surplus braces so far.
    std::size_t unread = 0;
};

}  // namespace

ConfigTree::ConfigTree() {
    NewRoot();
    isRead = true;
}

ConfigTree::ConfigTree(std::string path) : path(std::move(path)) {}

// Drops every node of the tree at once.
void ConfigTree::NewRoot() {
    arena = NodeArena();
    root = arena.MakeNode(NodeKind::Block, NodeText(kRootName), NodeText());
}

std::error_code ConfigTree::Read(const DiagnosticSink& sink) {
    NewRoot();
    unreadLines = 0;
    readStamp = {};
    if (std::error_code error = ReadFile(path, source, &readStamp)) {
        return error;
    }
    ReadSource(sink);
    return {};
}

void ConfigTree::ReadText(std::string_view text, const DiagnosticSink& sink) {
    source = SourceText(text);
    ReadSource(sink);
}

void ConfigTree::ReadSource(const DiagnosticSink& sink) {
    NewRoot();
    std::string_view text = source.Text();
    // Windows editors put one before the text; the file's first name would
    // begin with it and no key of that block would be found.
    byteOrderMark = text.starts_with(kByteOrderMark);
    if (byteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
        if (sink) {
            sink(Diagnostic{Diagnostic::Kind::ByteOrderMark, 1, {}});
        }
    }
    unreadLines = LineReader(arena, *root, sink).Run(text) + (byteOrderMark ? 1 : 0);
    isRead = true;
}

}  // namespace rw
