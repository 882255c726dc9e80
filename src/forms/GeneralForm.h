#pragma once

#include <string>

#include "forms/KeyTable.h"
#include "tree/ConfigTree.h"

namespace rw {

// The car's descriptive texts. They are kept as raw bytes: nothing is trimmed,
// validated or re-encoded.
class GeneralForm {
public:
    bool operator==(const GeneralForm&) const = default;
    void FillFromTree(const ConfigTree& tree);
    // Also writes the wheel count, which is 4 for every car the editor accepts.
    void StoreToTree(ConfigTree& tree);
    // The keys this form fills and stores, in store order.
    static KeyTable<GeneralForm> Keys();

    std::string name;
    std::string year;
    std::string version;
    std::string id;
    std::string credits;
    std::string notes;
};

}  // namespace rw
