#include "forms/FormSet.h"

#include "forms/SaveWarnings.h"
#include "tree/FileStamp.h"

namespace rw {

template <typename Action>
void FormSet::WithForm(PageId page, Action&& action) {
    [&]<std::size_t... index>(std::index_sequence<index...>) {
        ((index == PageIndex(page) ? action(std::get<index>(forms)) : void()), ...);
    }
    (std::make_index_sequence<kPageCount>{});
}

FormSet::FormSet() {
    // The Ackermann value is stored before the Wheels form stores, so it
    // follows the steering flags as edited, not as last saved.
    Misc().isSteering = [this](int wheel) { return Wheels().IsSteering(wheel); };
    RememberInitial();
}

void FormSet::ResetAll() {
    forms = initial;
}

std::optional<std::uint64_t> FormSet::StoredState() {
    // The stores write every key they bind and read nothing, so the sets
    // they make, in their order, are all that a save of these forms writes.
    ContentHash hash;
    ConfigTree recorder;
    recorder.recordSets = &hash;
    StoreAll(recorder);
    return hash.Value();
}

void FormSet::FillFromTree(PageId page, const ConfigTree& tree) {
    WithForm(page, [&tree](auto& form) {
        if constexpr (requires { form.FillFromTree(tree); }) {
            form.FillFromTree(tree);
        }
    });
}

void FormSet::StoreToTree(PageId page, ConfigTree& tree) {
    WithForm(page, [&tree](auto& form) {
        if constexpr (requires { form.StoreToTree(tree); }) {
            form.StoreToTree(tree);
        }
    });
}

void FormSet::EnableFields(bool /*enabled*/) {}

std::string FormSet::SaveWarnings() const {
    return rw::SaveWarnings(*this);
}

void FormSet::FillAll(const ConfigTree& tree) {
    for (PageId page : kFillOrder) {
        FillFromTree(page, tree);
    }
}

void FormSet::StoreAll(ConfigTree& tree) {
    for (PageId page : kStoreOrder) {
        StoreToTree(page, tree);
    }
}

}  // namespace rw
