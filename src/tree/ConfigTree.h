#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "tree/FileAccess.h"
#include "tree/NodeArena.h"
#include "tree/NodePtr.h"
#include "tree/Reporter.h"
#include "tree/TreeNode.h"

namespace rw {

// The read path of a new car: reading it yields an empty tree.
inline constexpr std::string_view kUnsavedPath = "Unsaved";
// A read path that makes reading fail at once.
inline constexpr std::string_view kNullPath = "null";

enum class ReadResult {
    Success,
    Failed,     // the path was "null"; nothing was reported
    FileError,  // the file could not be opened or read; reported
};

// The in-memory form of one car file.
class ConfigTree {
public:
    explicit ConfigTree(std::string path);

    // Reads `path` into a fresh root. Uninterpretable lines are reported only
    // when showErrors is set; brace balance and file errors always are.
    ReadResult Read(bool showErrors, Reporter& reporter);
    // Reads the given bytes as if they were the file's content.
    void ReadText(std::string_view text, bool showErrors, Reporter& reporter);

    // Writes the tree to `savePath`, atomically. On failure the file is left
    // untouched, the failure is reported and false is returned. With a stamp,
    // it is set to the file written.
    bool Save(Reporter& reporter, FileStamp* written = nullptr) const;
    // Hands the bytes that Save writes to `sink` in pieces. A text larger than
    // a car file may be is refused before any of it is handed over: false,
    // errno kErrorTooLarge.
    bool WriteText(const ByteSink& sink) const;
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

private:
    void NewRoot();
    void ReadSource(bool showErrors, Reporter& reporter);
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

// The name of every tree's root node.
inline constexpr std::string_view kRootName = "INI File";

}  // namespace rw
