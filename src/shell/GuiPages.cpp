#include "shell/GuiPages.h"

#include "forms/FormSet.h"
#include "widgets/PageView.h"

namespace rw {

void GuiPages::FillAll(const ConfigTree& tree) {
    for (PageId page : kFillOrder) {
        views[PageIndex(page)]->FillFromTree(tree);
    }
}

void GuiPages::StoreAll(ConfigTree& tree) {
    for (PageId page : kStoreOrder) {
        views[PageIndex(page)]->StoreToTree(tree);
    }
}

void GuiPages::EnableFields(bool enabled) {
    // Before the views exist there is nothing to enable.
    if (PageView* view = views[PageIndex(PageId::General)]) {
        view->EnableFields(enabled);
    }
}

std::string GuiPages::SaveWarnings() const {
    return forms.SaveWarnings();
}

void GuiPages::ResetAll() {
    forms.ResetAll();
}

std::optional<std::uint64_t> GuiPages::StoredState() {
    for (PageId page : kStoreOrder) {
        if (PageView* view = views[PageIndex(page)]; view != nullptr && view->TakeControls()) {
            return std::nullopt;
        }
    }
    return forms.StoredState();
}

}  // namespace rw
