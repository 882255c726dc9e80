// Reads arbitrary bytes as a car file, saves and reads again: the tree must
// survive the round trip, the writer's form must be stable, and dotted-path
// access driven by the same bytes must never crash or lie.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tree/ConfigTree.h"
#include "tree/TreeTestSupport.h"

namespace {

class CountingReporter {
public:
    // Every diagnostic names its line and the text it is about.
    rw::DiagnosticSink Sink() {
        return [this](const rw::Diagnostic& diagnostic) {
            if (diagnostic.line < 1) {
                Fail("a diagnostic without a line", diagnostic.text, "");
            }
            ++count;
        };
    }
    static void Fail(const char* what, std::string_view a, std::string_view b) {
        std::fprintf(stderr,
                     "FuzzTree: %s\n--- first (%zu bytes)\n%.*s\n--- second (%zu bytes)\n%.*s\n",
                     what, a.size(), static_cast<int>(a.size() > 2000 ? 2000 : a.size()), a.data(),
                     b.size(), static_cast<int>(b.size() > 2000 ? 2000 : b.size()), b.data());
        std::abort();
    }
    int count = 0;
};

// Dump lists kinds, names, values, shape and broken parent links.
void ExpectSameTree(const rw::ConfigTree& a, const rw::ConfigTree& b, std::string_view textA,
                    std::string_view textB) {
    if (rw::test::Dump(*a.root) != rw::test::Dump(*b.root)) {
        CountingReporter::Fail("trees differ", textA, textB);
    }
}

// The dotted paths of the tree's named nodes, in tree order, without recursion.
std::vector<std::string> NodePaths(const rw::TreeNode& root, std::size_t limit) {
    std::vector<std::string> paths;
    std::vector<std::pair<const rw::TreeNode*, std::string>> stack{{&root, ""}};
    while (!stack.empty() && paths.size() < limit) {
        auto [node, prefix] = std::move(stack.back());
        stack.pop_back();
        for (auto it = node->children.rbegin(); it != node->children.rend(); ++it) {
            std::string path = prefix.empty() ? (*it)->name : prefix + "." + (*it)->name;
            paths.push_back(path);
            if (!(*it)->children.empty() && path.size() < 4096) {
                stack.emplace_back(it->get(), std::move(path));
            }
        }
    }
    return paths;
}

std::string PathFrom(FuzzedDataProvider& provider, const std::vector<std::string>& known) {
    std::string path;
    if (!known.empty() && provider.ConsumeBool()) {
        path = known[provider.ConsumeIntegralInRange<std::size_t>(0, known.size() - 1)];
        if (provider.ConsumeBool()) {
            path += "." + provider.ConsumeRandomLengthString(16);
        }
    } else {
        path = provider.ConsumeRandomLengthString(48);
    }
    return path;
}

bool HasEmptyComponent(std::string_view path) {
    return path.empty() || path.front() == '.' || path.back() == '.' ||
           path.find("..") != std::string_view::npos;
}

void ExerciseAccess(rw::ConfigTree& tree, const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::vector<std::string> known = NodePaths(*tree.root, 256);
    for (int step = 0; step < 32 && provider.remaining_bytes() > 0; ++step) {
        const std::string path = PathFrom(provider, known);
        std::string text;
        std::int32_t number = 0;
        float real = 0;
        bool flag = false;
        switch (provider.ConsumeIntegralInRange<int>(0, 7)) {
            case 0: {
                const rw::TreeNode* node = tree.Find(path);
                const bool found = tree.GetString(path, text);
                if (found != (node != nullptr) || (node != nullptr && node->value != text) ||
                    (!found && !text.empty())) {
                    CountingReporter::Fail("Find and GetString disagree", path, text);
                }
                break;
            }
            case 1:
                if (!tree.GetInt(path, number) && number != 0) {
                    CountingReporter::Fail("GetInt of a missing key not 0", path, "");
                }
                break;
            case 2:
                if (tree.GetFloat(path, real) ? !std::isfinite(real) : real != 0.0f) {
                    CountingReporter::Fail("GetFloat gave a bad number", path, "");
                }
                break;
            case 3:
                tree.GetBool(path, flag);
                break;
            case 4:
                text = provider.ConsumeRandomLengthString(32);
                tree.SetString(path, text);
                break;
            case 5:
                tree.SetInt(path, provider.ConsumeIntegral<std::int32_t>());
                break;
            case 6:
                tree.SetFloat(path, provider.ConsumeFloatingPoint<float>());
                if (!HasEmptyComponent(path)) {
                    if (!tree.GetFloat(path, real) || !std::isfinite(real)) {
                        CountingReporter::Fail("SetFloat did not read back", path, "");
                    }
                }
                break;
            case 7:
                tree.AddCommentBefore(path, provider.ConsumeRandomLengthString(16));
                break;
        }
        if (!tree.followInherit) {
            CountingReporter::Fail("a setter left followInherit cleared", path, "");
        }
        if (step % 4 == 3 && !HasEmptyComponent(path)) {
            // What a setter put in place is what a getter finds.
            text = provider.ConsumeRandomLengthString(8);
            tree.SetString(path, text);
            std::string back;
            if (!tree.GetString(path, back) || back != text) {
                CountingReporter::Fail("SetString did not read back", path, back);
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CountingReporter reporter;

    rw::ConfigTree first("fuzz");
    first.ReadText(input, reporter.Sink());
    const std::string firstText = first.ToText();

    rw::ConfigTree second("fuzz");
    second.ReadText(firstText, reporter.Sink());
    ExpectSameTree(first, second, input, firstText);

    // After one save the writer's form is a fixed point.
    const std::string secondText = second.ToText();
    if (secondText != firstText) {
        CountingReporter::Fail("second save differs from the first", firstText, secondText);
    }

    // Edits through the dotted paths, then a save that must read back stably.
    ExerciseAccess(first, data, size);
    const std::string editedText = first.ToText();
    rw::ConfigTree edited("fuzz");
    edited.ReadText(editedText);
    const std::string editedOnce = edited.ToText();
    rw::ConfigTree editedAgain("fuzz");
    editedAgain.ReadText(editedOnce);
    ExpectSameTree(edited, editedAgain, editedText, editedOnce);
    if (editedAgain.ToText() != editedOnce) {
        CountingReporter::Fail("edited tree's save is not stable", editedOnce,
                               editedAgain.ToText());
    }
    return 0;
}
