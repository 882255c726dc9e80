#include "shell/GuiPages.h"

#include "forms/FormSet.h"
#include "widgets/PageView.h"

namespace rw {

void GuiPages::FillFromTree(PageId page, const ConfigTree& tree) {
    if (PageView* view = views[SlotIndex(SlotOf(page))]) {
        view->FillFromTree(tree);
    } else {
        forms.FillFromTree(page, tree);
    }
}

void GuiPages::StoreToTree(PageId page, ConfigTree& tree) {
    if (PageView* view = views[SlotIndex(SlotOf(page))]) {
        view->StoreToTree(tree);
    } else {
        forms.StoreToTree(page, tree);
    }
}

void GuiPages::EnableFields(bool enabled) {
    if (PageView* view = views[SlotIndex(PageSlot::General)]) {
        view->EnableFields(enabled);
    }
}

SaveCheckValues GuiPages::CheckValues() const {
    return forms.CheckValues();
}

}  // namespace rw
