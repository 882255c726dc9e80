#include "pages/SuspensionPage.h"

#include "pages/WheelSelector.h"
#include "ui_SuspensionPage.h"
#include "widgets/NumberField.h"

namespace rw {

SuspensionPage::SuspensionPage(SuspensionForm& form, Dialogs& dialogs, QWidget* parent)
    : SelectionPage(form, dialogs, parent), ui(std::make_unique<Ui::SuspensionPage>()) {
    ui->setupUi(this);

    AttachNumberField(ui->bumpRateEdit, 0, 100000, 200);
    AttachNumberField(ui->reboundRateEdit, 0, 100000, 200);
    AttachNumberField(ui->kEdit, 0, 100000, 1000);

    ConnectSelection(ui->wheelSelector);
}

SuspensionPage::~SuspensionPage() = default;

}  // namespace rw
