#include "cli/Cli.h"

#include <algorithm>
#include <optional>

#include "cli/CarReport.h"
#include "document/CarDocument.h"
#include "document/TreeReports.h"
#include "forms/FormSet.h"
#include "tree/ConfigTree.h"
#include "tree/KeyList.h"

namespace rw {

namespace {

// The most parts a key given to `set` may have: far beyond any real key, and
// low enough that the indentation of such a file stays small.
constexpr std::size_t kMaxKeyDepth = 256;

constexpr const char* kHelp =
    "usage: rigwright-cli COMMAND ARGS\n"
    "       rigwright-cli --help | --version\n"
    "\n"
    "  format IN OUT        read IN and write it again in the editor's output form\n"
    "  get FILE KEY         print the value of the dotted KEY (inheritance followed)\n"
    "  set [--force] FILE KEY VALUE\n"
    "                       set the dotted KEY to VALUE and save FILE in place; a FILE\n"
    "                       with lines that could not be read is saved with --force only\n"
    "  template OUT         write the template car that New starts from\n"
    "  check FILE...        list what loading and saving each FILE in the editor would report\n"
    "  resave IN OUT        write what the editor saves for IN, unedited, to OUT\n"
    "  report [--json] FILE print the Calculations page's figures and gearing table\n"
    "  keys [--raw] FILE [PATTERN]\n"
    "                       print every key as KEY=VALUE, with the keys inheriting blocks\n"
    "                       take (--raw: the file's own lines only); PATTERN keeps the keys\n"
    "                       whose path, value or comment holds it, in any letter case\n"
    "\n"
    "OUT may be - for standard output. Reports go to standard error (standard output\n"
    "for check) as lines \"FILE: TEXT\". Exit status: 0 success, 1 missing key (get) or\n"
    "reports (check), 2 usage error or a file that cannot be read, loaded or written.\n";

// The length of the UTF-8 sequence at the start of `text`, or 0 where it
// does not start one.
std::size_t Utf8Length(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xc2 && lead < 0xe0 ? 2
                               : lead >= 0xe0 && lead < 0xf0 ? 3
                               : lead >= 0xf0 && lead < 0xf5 ? 4
                                                             : 0;
    if (length == 0 || length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0) != 0x80) {
            return 0;
        }
    }
    return length;
}

// Whether a character may reach a terminal as it is: no control character
// (C0, DEL, C1 whether in UTF-8 or alone) and no control of the text's
// direction, which could make a message read otherwise than it is.
bool Printable(std::string_view character) {
    const auto c = static_cast<unsigned char>(character[0]);
    if (character.size() == 1) {
        return c >= 0x20 && c != 0x7f;
    }
    static constexpr std::string_view kHidden[] = {"\u200e", "\u200f", "\u061c", "\u202a",
                                                   "\u202b", "\u202c", "\u202d", "\u202e",
                                                   "\u2066", "\u2067", "\u2068", "\u2069"};
    const bool c1 = c == 0xc2 && static_cast<unsigned char>(character[1]) < 0xa0;
    return !c1 && std::find(std::begin(kHidden), std::end(kHidden), character) == std::end(kHidden);
}

// Text from a car file or a file name, fit for a terminal: what Printable
// refuses, and bytes that are no UTF-8, as \xHH, so that a file cannot send
// escape sequences to the terminal or turn a message around.
std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = Utf8Length(text);
        if (length > 0 && Printable(text.substr(0, length))) {
            out.append(text.substr(0, length));
            text.remove_prefix(length);
            continue;
        }
        // A lone byte of another encoding (a Windows-1252 letter) shows as
        // it is; a lone C1 byte or a refused character is escaped whole.
        if (length == 0 && static_cast<unsigned char>(text[0]) >= 0xa0) {
            out += text[0];
            text.remove_prefix(1);
            continue;
        }
        const std::size_t escaped = std::max<std::size_t>(length, 1);
        for (const char c : text.substr(0, escaped)) {
            constexpr const char* kHex = "0123456789abcdef";
            out += "\\x";
            out += kHex[static_cast<unsigned char>(c) >> 4];
            out += kHex[static_cast<unsigned char>(c) & 0xf];
        }
        text.remove_prefix(escaped);
    }
    return out;
}

// Prints every report as one line "FILE: TEXT".
// After the first hundred lines that could not be interpreted, the rest
// are summed up in one line, as the editor does after ten boxes.
class LineReporter : public DocumentHost {
public:
    static constexpr int kShownLines = 100;

    LineReporter(std::ostream& stream, std::string file) : stream(stream), file(std::move(file)) {}
    ~LineReporter() override { Flush(); }
    LineReporter(const LineReporter&) = delete;
    LineReporter& operator=(const LineReporter&) = delete;

    void Show(const Report& report) override {
        if (report.kind == ReportKind::UninterpretableLine && ++lines > kShownLines) {
            ++suppressed;
            ++count;
            return;
        }
        Print(report.text);
    }

    // One write a line: standard error is unbuffered.
    void Print(std::string_view text) {
        Flush();
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
            text.remove_suffix(1);
        }
        const std::string line = Escaped(file) + ": " + Escaped(text) + "\n";
        stream.write(line.data(), static_cast<std::streamsize>(line.size()));
        ++count;
    }

    void PrintLines(std::string_view lines) {
        while (!lines.empty()) {
            std::size_t end = lines.find('\n');
            Print(lines.substr(0, end));
            lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + 1);
        }
    }

    std::ostream& stream;
    std::string file;
    int count = 0;

private:
    void Flush() {
        if (suppressed > 0) {
            const int more = std::exchange(suppressed, 0);
            Print(std::to_string(more) + " more lines could not be interpreted.");
            --count;  // the lines summed up were counted already
        }
    }

    int lines = 0;
    int suppressed = 0;
};

// Reads a file as the editor's Load does; false when it could not be read.
bool ReadTree(ConfigTree& tree, Reporter& reporter) {
    return ReadReported(tree, true, reporter);
}

// Writes the tree to OUT ("-" for standard output, whose failure main()
// reports).
bool WriteTree(ConfigTree& tree, const std::string& outArgument, std::ostream& out,
               std::ostream& err) {
    if (outArgument == "-") {
        const std::error_code error = tree.WriteText([&out](std::string_view data) {
            out.write(data.data(), static_cast<std::streamsize>(data.size()));
            return static_cast<bool>(out);
        });
        if (error && out) {
            LineReporter(err, outArgument).Print(FileErrorReason(error, true));
        }
        out.flush();
        return !error && out;
    }
    LineReporter reporter(err, outArgument);
    tree.savePath = outArgument;
    return SaveReported(tree, reporter);
}

// A command's arguments after its name.
using Args = std::vector<std::string>;

int Written(bool written) {
    return written ? kExitSuccess : kExitFailure;
}

int Format(const Args& args, std::ostream& out, std::ostream& err) {
    ConfigTree tree(args[0]);
    LineReporter reporter(err, args[0]);
    if (!ReadTree(tree, reporter)) {
        return kExitFailure;
    }
    return Written(WriteTree(tree, args[1], out, err));
}

int GetValue(const Args& args, std::ostream& out, std::ostream& err, bool escaped) {
    ConfigTree tree(args[0]);
    LineReporter reporter(err, args[0]);
    if (!ReadTree(tree, reporter)) {
        return kExitFailure;
    }
    std::string value;
    if (!tree.GetString(args[1], value)) {
        reporter.Print("no key \"" + Excerpt(args[1]) + "\"");
        return kExitFindings;
    }
    out << (escaped ? Escaped(value) : value) << '\n';
    return kExitSuccess;
}

bool HoldsFolded(std::string_view text, std::string_view pattern) {
    const auto fold = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::search(text.begin(), text.end(), pattern.begin(), pattern.end(),
                       [&fold](char a, char b) { return fold(a) == fold(b); }) != text.end();
}

int KeysListed(const Args& args, std::ostream& out, std::ostream& err, bool escaped) {
    const bool raw = args[0] == "--raw";
    const Args rest(args.begin() + (raw ? 1 : 0), args.end());
    if (rest.empty() || rest.size() > 2) {
        err << kHelp;
        return kExitFailure;
    }
    ConfigTree tree(rest[0]);
    LineReporter reporter(err, rest[0]);
    if (!ReadTree(tree, reporter)) {
        return kExitFailure;
    }
    const std::string_view pattern = rest.size() == 2 ? std::string_view(rest[1]) : "";
    std::string line;
    ListKeys(tree, !raw, [&](const ListedKey& key) {
        if (!HoldsFolded(key.path, pattern) && !HoldsFolded(key.value, pattern) &&
            !HoldsFolded(key.comment, pattern)) {
            return;
        }
        line.assign(key.path).append("=").append(key.value);
        out << (escaped ? Escaped(line) : line) << '\n';
    });
    return out ? kExitSuccess : kExitFailure;
}

// The bytes as they are for a script; for a terminal, nothing it would obey.
int Keys(const Args& args, std::ostream& out, std::ostream& err) {
    return KeysListed(args, out, err, false);
}
int KeysForTerminal(const Args& args, std::ostream& out, std::ostream& err) {
    return KeysListed(args, out, err, true);
}

int Get(const Args& args, std::ostream& out, std::ostream& err) {
    return GetValue(args, out, err, false);
}
int GetForTerminal(const Args& args, std::ostream& out, std::ostream& err) {
    return GetValue(args, out, err, true);
}

// Why the file could not hold the dotted key, or empty when it can: each
// part becomes a line of its own and must read back as the same name.
std::string KeyProblem(std::string_view key) {
    if (key.empty()) {
        return "it is empty";
    }
    if (key.find_first_of("\r\n") != std::string_view::npos) {
        return "it holds a line break";
    }
    std::size_t parts = 0;
    for (std::size_t begin = 0; begin <= key.size(); ++parts) {
        std::size_t end = std::min(key.find('.', begin), key.size());
        const std::string_view part = key.substr(begin, end - begin);
        if (part.empty()) {
            return "it has an empty part";
        }
        if (part.find_first_of("{}=~") != std::string_view::npos) {
            return "a part holds \"{\", \"}\", \"=\" or \"~\"";
        }
        if (part.front() == ';') {
            return "a part begins with \";\"";
        }
        if (part.front() == ' ' || part.front() == '\t' || part.back() == ' ' ||
            part.back() == '\t') {
            return "a part begins or ends with a blank";
        }
        begin = end + 1;
    }
    if (parts > kMaxKeyDepth) {
        return "it has more than " + std::to_string(kMaxKeyDepth) + " parts";
    }
    return {};
}

int Set(const Args& given, std::ostream& out, std::ostream& err) {
    Args args = given;
    const bool force = args.size() == 4 && args[0] == "--force";
    if (force) {
        args.erase(args.begin());
    }
    if (args.size() != 3) {
        err << kHelp;
        return kExitFailure;
    }
    ConfigTree tree(args[0]);
    LineReporter reporter(err, args[0]);
    if (args[0] == "-") {
        reporter.Print("set changes a car file in place; \"-\" names none");
        return kExitFailure;
    }
    if (const std::string problem = KeyProblem(args[1]); !problem.empty()) {
        reporter.Print("The key \"" + Excerpt(args[1]) + "\" cannot be set: " + problem);
        return kExitFailure;
    }
    // The reader would take the line for an inheritance line.
    if (args[2].find('~') != std::string::npos) {
        reporter.Print("The value \"" + Excerpt(args[2]) +
                       "\" cannot be set: the car file cannot hold \"~\" in a value");
        return kExitFailure;
    }
    // From the read to the rename, so that another set or the editor's save
    // cannot slip in between and have its update lost.
    FileLock lock;
    if (const std::error_code error = lock.Acquire(args[0])) {
        reporter.Show(FileReadError(args[0], error));
        return kExitFailure;
    }
    if (!ReadTree(tree, reporter)) {
        return kExitFailure;
    }
    // Writing the file in place would drop what the reader could not place.
    if (tree.unreadLines > 0 && !force) {
        reporter.Print("not saved: " + CountedLines(tree.unreadLines) +
                       " could not be read (--force saves anyway)");
        return kExitFailure;
    }
    tree.SetString(args[1], args[2]);
    return Written(WriteTree(tree, args[0], out, err));
}

int Template(const Args& args, std::ostream& out, std::ostream& err) {
    ConfigTree tree;
    BuildDefaultCar(tree);
    return Written(WriteTree(tree, args[0], out, err));
}

// Loads a file as the editor does when it is named on its command line, and
// stores every page into the tree as a save does. Returns the document's tree,
// or null when the file could not be read or was refused.
ConfigTree* LoadAndStore(CarDocument& document, FormSet& forms, const std::string& file) {
    if (!document.LoadAtStart(file) || document.Tree() == nullptr) {
        return nullptr;
    }
    ConfigTree* tree = document.Tree();
    forms.StoreAll(*tree);
    return tree;
}

int Check(const Args& args, std::ostream& out, std::ostream& /*err*/) {
    int status = kExitSuccess;
    for (const std::string& file : args) {
        LineReporter reporter(out, file);
        FormSet forms;
        CarDocument document(reporter, forms);
        // The save's warnings read the forms; the store itself says nothing.
        if (!document.LoadAtStart(file)) {
            status = kExitFailure;
            continue;
        }
        reporter.PrintLines(forms.SaveWarnings());
        if (reporter.count > 0 && status == kExitSuccess) {
            status = kExitFindings;
        }
    }
    return status;
}

int Resave(const Args& args, std::ostream& out, std::ostream& err) {
    LineReporter reporter(err, args[0]);
    FormSet forms;
    CarDocument document(reporter, forms);
    ConfigTree* tree = LoadAndStore(document, forms, args[0]);
    if (tree == nullptr) {
        return kExitFailure;
    }
    // The warnings are shown and, as the user would, answered with Yes.
    reporter.PrintLines(forms.SaveWarnings());
    return Written(WriteTree(*tree, args[1], out, err));
}

int RunReport(const Args& args, std::ostream& out, std::ostream& err) {
    const std::optional<ReportRequest> request = ParseReportArgs(args);
    if (!request) {
        err << kHelp;
        return kExitFailure;
    }
    LineReporter reporter(err, request->file);
    FormSet forms;
    CarDocument document(reporter, forms);
    if (LoadAndStore(document, forms, request->file) == nullptr) {
        return kExitFailure;
    }
    forms.Figures().Recalculate(forms);
    PrintReport(forms.Figures(), request->json, out);
    return out ? kExitSuccess : kExitFailure;
}

struct Command {
    const char* name;
    // How many arguments it takes after its name; the handler checks the
    // options of those that take a range.
    std::size_t minArgs;
    std::size_t maxArgs;
    int (*run)(const Args& args, std::ostream& out, std::ostream& err);
};

constexpr Command kCommands[] = {
    {"format", 2, 2, Format},
    {"get", 2, 2, Get},
    {"set", 3, 4, Set},
    {"template", 1, 1, Template},
    {"check", 1, SIZE_MAX, Check},
    {"resave", 2, 2, Resave},
    {"report", 1, 2, RunReport},
    {"keys", 1, 3, Keys},
};

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           bool outIsTerminal) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        out << kHelp;
        return kExitSuccess;
    }
    if (args.size() == 1 && args[0] == "--version") {
        out << "rigwright-cli " RIGWRIGHT_VERSION "\n";
        return kExitSuccess;
    }
    for (const Command& command : kCommands) {
        if (!args.empty() && args[0] == command.name && args.size() - 1 >= command.minArgs &&
            args.size() - 1 <= command.maxArgs) {
            auto run = command.run;
            if (outIsTerminal) {
                run = run == Get ? GetForTerminal : run == Keys ? KeysForTerminal : run;
            }
            return run(Args(args.begin() + 1, args.end()), out, err);
        }
    }
    err << kHelp;
    return kExitFailure;
}

}  // namespace rw
