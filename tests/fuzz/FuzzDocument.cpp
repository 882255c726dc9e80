// Loads arbitrary bytes as a car file the way the editor does, fills and
// stores every page, saves, reads the save back and stores again: the second
// save must equal the first byte for byte, the pages filled from it must
// count as unmodified against the first load, and nothing may crash or leak.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "document/CarDocument.h"
#include "forms/FormSet.h"

namespace {

// Answers Yes to every question, as a user saving anyway would.
class QuietHost : public rw::DocumentHost {
public:
    void Show(const rw::Report&) override {}
    bool AskYesNo(const rw::Report&, rw::DefaultAnswer) override { return true; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Four wheels up front, so that most inputs pass the load's wheel check.
    const std::string header = "car\r\n{\r\n   wheels=4\r\n}\r\n";
    static const std::string file = "/tmp/rigwright-fuzz-" + std::to_string(::getpid()) + ".ini";
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        << header << std::string_view(reinterpret_cast<const char*>(data), size);

    QuietHost host;
    rw::FormSet forms;
    rw::CarDocument document(host, forms);
    if (!document.LoadAtStart(file) || document.Tree() == nullptr) {
        return 0;
    }
    forms.Figures().Recalculate(forms);
    const std::optional<std::uint64_t> loaded = forms.StoredState();
    forms.StoreAll(*document.Tree());
    std::string first;
    if (document.Tree()->WriteText([&first](std::string_view piece) {
            first.append(piece);
            return true;
        })) {
        return 0;
    }

    rw::ConfigTree reread("fuzz");
    reread.ReadText(first);
    forms.FillAll(reread);
    if (forms.StoredState() != loaded) {
        std::fprintf(stderr, "the saved car reads back as modified:\n%s\n", first.c_str());
        std::abort();
    }
    forms.StoreAll(reread);
    const std::string second = reread.ToText();
    if (second != first) {
        std::fprintf(stderr, "second save differs:\n%s\n--- from the first:\n%s\n", second.c_str(),
                     first.c_str());
        std::abort();
    }
    return 0;
}
