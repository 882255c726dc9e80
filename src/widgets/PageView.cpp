#include "widgets/PageView.h"

#include "widgets/EnterEscapeFilter.h"

namespace rw {

PageView::PageView(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), dialogs(dialogs), exchange(dialogs) {
    // The filter learns of every child the page's setupUi and later code add.
    new EnterEscapeFilter(this);
}

void PageView::FillFromTree(const ConfigTree& /*tree*/) {}

void PageView::StoreToTree(ConfigTree& /*tree*/) {}

void PageView::EnableFields(bool /*enabled*/) {}

void PageView::Recalculate() {}

std::optional<BadField> PageView::TakeControls() {
    return exchange.TakeAll();
}

}  // namespace rw
