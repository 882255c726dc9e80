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

namespace {

// What one form's store writes, hashed, and how many bytes that is.
template <typename Form>
std::pair<std::uint64_t, std::uint64_t> Fingerprint(Form& form) {
    ContentHash hash;
    if constexpr (requires(ConfigTree & tree) { form.StoreToTree(tree); }) {
        ConfigTree recorder;
        recorder.recordSets = &hash;
        form.StoreToTree(recorder);
    }
    return {hash.Value(), hash.Length()};
}

template <typename Form>
const Form& ValuesOf(const FormValues& values) {
    return *static_cast<const Form*>(values.values.get());
}

}  // namespace

FormValues FormSet::Snapshot(PageId page) {
    FormValues copy;
    copy.page = page;
    WithForm(page, [&copy](auto& form) {
        using Form = std::decay_t<decltype(form)>;
        copy.values = std::make_shared<const Form>(form);
        const auto [fingerprint, length] = Fingerprint(form);
        copy.fingerprint = fingerprint;
        copy.bytes = sizeof(Form) + static_cast<std::size_t>(length);
    });
    return copy;
}

bool FormSet::Differs(const FormValues& values) {
    bool differs = false;
    WithForm(values.page, [&](auto& form) {
        using Form = std::decay_t<decltype(form)>;
        // Comparing the values is quick; a difference may still be only the
        // selection, which the store does not see.
        if constexpr (std::equality_comparable<Form>) {
            if (form == ValuesOf<Form>(values)) {
                return;
            }
        }
        differs = Fingerprint(form).first != values.fingerprint;
    });
    return differs;
}

void FormSet::Restore(const FormValues& values) {
    WithForm(values.page,
             [&values](auto& form) { form = ValuesOf<std::decay_t<decltype(form)>>(values); });
}

FormValues FormSet::WithSelectionOf(const FormValues& values, const FormValues& from) {
    FormValues carried = values;
    WithForm(values.page, [&](auto& live) {
        using Form = std::decay_t<decltype(live)>;
        if constexpr (requires(Form form) { form.SetSelection(form.selection); }) {
            auto copy = std::make_shared<Form>(ValuesOf<Form>(values));
            copy->SetSelection(ValuesOf<Form>(from).selection);
            carried.values = std::move(copy);
        } else if constexpr (std::is_same_v<Form, AeroForm>) {
            auto copy = std::make_shared<Form>(ValuesOf<Form>(values));
            // An index outside this table selects nothing.
            copy->SelectWing(ValuesOf<Form>(from).selected);
            carried.values = std::move(copy);
        }
    });
    return carried;
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
