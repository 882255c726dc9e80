#include "pages/SuspensionPage.h"

#include "pages/WheelSelector.h"
#include "ui_SuspensionPage.h"

namespace rw {

SuspensionPage::SuspensionPage(SuspensionForm& form, Dialogs& dialogs, QWidget* parent)
    : SelectionPage(form, dialogs, parent), ui(std::make_unique<Ui::SuspensionPage>()) {
    ui->setupUi(this);

    ConnectSelection(ui->wheelSelector);
}

SuspensionPage::~SuspensionPage() = default;

}  // namespace rw
