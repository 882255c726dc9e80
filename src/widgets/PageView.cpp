#include "widgets/PageView.h"

#include "widgets/EnterEscapeFilter.h"
#include "widgets/KeyBinding.h"

namespace rw {

PageView::PageView(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), dialogs(dialogs), exchange(dialogs) {
    // The filter learns of every child the page's setupUi and later code add.
    new EnterEscapeFilter(this);
}

void PageView::FillFromTree(const ConfigTree& /*tree*/) {}

void PageView::StoreToTree(ConfigTree& /*tree*/) {}

void PageView::EnableFields(bool /*enabled*/) {}

void PageView::ShowForm() {}

void PageView::Recalculate() {}

std::optional<BadField> PageView::TakeControls() {
    return exchange.TakeAll();
}

std::vector<std::string> PageView::KeyFaults() const {
    std::vector<std::string> faults;
    for (const std::string& key : unboundRows) {
        faults.push_back("no field names " + key);
    }
    for (const std::string& key : UnboundKeyWidgets(*this, exchange)) {
        faults.push_back("no row has " + key);
    }
    return faults;
}

void PageView::Remember(std::vector<std::string> missing) {
    unboundRows.insert(unboundRows.end(), missing.begin(), missing.end());
}

}  // namespace rw
