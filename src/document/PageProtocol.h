#pragma once

#include <cstdint>
#include <optional>

#include "document/Pages.h"
#include "document/SaveCheck.h"
#include "tree/ConfigTree.h"

namespace rw {

// What the car document needs from the pages: the editor implements it with
// its page widgets, the command line with the bare forms.
class PageProtocol {
public:
    virtual ~PageProtocol() = default;
    virtual void FillFromTree(PageId page, const ConfigTree& tree) = 0;
    virtual void StoreToTree(PageId page, ConfigTree& tree) = 0;
    // Every page back to the values it had when it was made, before a fill
    // for another car, so that nothing the file lacks shows the last car's.
    virtual void ResetAll() = 0;
    // A digest of what every page would store, as a save stores it, without
    // touching the document's tree; nothing when a field holds text a save
    // would refuse.
    virtual std::optional<std::uint64_t> StoredState() = 0;
    // The General page's fields follow the document-open flag.
    virtual void EnableFields(bool enabled) = 0;
    // The values the save-time warnings read, as the pages hold them right
    // after they stored.
    virtual SaveCheckValues CheckValues() const = 0;
};

}  // namespace rw
