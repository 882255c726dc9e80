#include "shell/GuiPages.h"

#include "forms/FormSet.h"
#include "widgets/PageView.h"

namespace rw {

void GuiPages::FillFromTree(PageId page, const ConfigTree& tree) {
    views[PageIndex(page)]->FillFromTree(tree);
}

void GuiPages::StoreToTree(PageId page, ConfigTree& tree) {
    views[PageIndex(page)]->StoreToTree(tree);
}

void GuiPages::EnableFields(bool enabled) {
    // Before the views exist there is nothing to enable.
    if (PageView* view = views[PageIndex(PageId::General)]) {
        view->EnableFields(enabled);
    }
}

SaveCheckValues GuiPages::CheckValues() const {
    return forms.CheckValues();
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
