#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "tree/Diagnostic.h"
#include "tree/FileAccess.h"
#include "tree/NodeArena.h"
#include "tree/NodePtr.h"
#include "tree/TreeNode.h"

namespace rw {

// The in-memory form of one car file.
class ConfigTree {
public:
    // An empty tree, as a new car starts; it reads nothing.
    ConfigTree();
    // A tree for the file at `path`, empty until it is read.
    explicit ConfigTree(std::string path);

    // Reads `path` into a fresh root; what the reader could not place goes
    // to the sink, as it is met. On an error the tree is empty.
    std::error_code Read(const DiagnosticSink& sink = nullptr);
    // Reads the given bytes as if they were the file's content.
    void ReadText(std::string_view text, const DiagnosticSink& sink = nullptr);

    // Writes the tree to `savePath`, atomically; on an error the file is left
    // untouched. With a stamp, it is set to the file written.
    std::error_code Save(FileStamp* written = nullptr) const;
    // Hands the bytes that Save writes to `sink` in pieces. A text larger than
    // a car file may be is refused (CarFileError::TooLarge) before any of it
    // is handed over.
    std::error_code WriteText(const ByteSink& sink) const;
    // The exact bytes that Save writes.
    std::string ToText() const;

    const TreeNode* Find(std::string_view path) const;
    TreeNode* Find(std::string_view path);
    TreeNode* Create(std::string_view path);

    bool GetString(std::string_view path, std::string& out) const;
    bool GetInt(std::string_view path, std::int32_t& out) const;
    bool GetFloat(std::string_view path, float& out) const;
    bool GetBool(std::string_view path, bool& out) const;

    void SetString(std::string_view path, std::string_view text);
    void SetInt(std::string_view path, std::int32_t number);
    void SetFloat(std::string_view path, float number);
    void SetBool(std::string_view path, bool flag);

    void AddCommentBefore(std::string_view path, std::string_view text);

    std::string path;
    std::string savePath;
    NodePtr root;
    bool isRead = false;
    bool followInherit = true;
    // The lines of the last read that the tree does not hold as they stand:
    // uninterpretable lines, surplus closing braces and blocks left open. A
    // save writes the car without them.
    std::size_t unreadLines = 0;
    // The file as the last Read found it.
    FileStamp readStamp;
    // Where set, the setters keep nothing and fold each path and text into
    // this hash instead: a fingerprint of what a store writes, in a fraction
    // of the time and none of the memory of building it.
    ContentHash* recordSets = nullptr;
    // The text began with a UTF-8 byte order mark; a save writes it again.
    bool byteOrderMark = false;

private:
    void NewRoot();
    void ReadSource(const DiagnosticSink& sink);
    bool WritesByteOrderMark() const;
    TreeNode* Lookup(std::string_view path, bool inherit) const;
    TreeNode* SetterNode(std::string_view path);
    void SetValue(std::string_view path, std::string_view text, std::string_view bare);

    // The bytes read, which names and values view; on the heap, so that the
    // views hold when the tree is moved.
    SourceText source;
    // Lookups build indexes of large blocks in it on demand.
    mutable NodeArena arena;
};

// How many inheritance references one lookup follows in all. Real cars use one
// or two levels; a lookup that needs more finds nothing, as in a reference
// cycle, so that no file can make a lookup cost more than this many walks of
// its path.
inline constexpr int kMaxInheritHops = 256;
// The same bound in bytes: the paths one lookup walks add up to at most this
// many, so that long block names in a cycle cost no more than short ones.
inline constexpr std::size_t kMaxInheritBytes = 64 * 1024;

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The name of every tree's root node.
inline constexpr std::string_view kRootName = "INI File";

}  // namespace rw
