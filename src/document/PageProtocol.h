#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tree/ConfigTree.h"

namespace rw {

// What the car document needs from the pages: the editor implements it with
// its page widgets, the command line with the bare forms. The pages know
// their own order of filling and storing.
class PageProtocol {
public:
    virtual ~PageProtocol() = default;
    virtual void FillAll(const ConfigTree& tree) = 0;
    virtual void StoreAll(ConfigTree& tree) = 0;
    // The General page's fields follow the document-open flag.
    virtual void EnableFields(bool enabled) = 0;
    // The save-time warning lines, each ending in "\n", for the values the
    // pages hold right after they stored; empty when every check passes.
    virtual std::string SaveWarnings() const = 0;
    // Every page back to the values it had when it was made, before a fill
    // for another car, so that nothing the file lacks shows the last car's.
    virtual void ResetAll() = 0;
    // A digest of what every page would store, as a save stores it, without
    // touching the document's tree; nothing when a field holds text a save
    // would refuse.
    virtual std::optional<std::uint64_t> StoredState() = 0;
};

}  // namespace rw
