#include "pages/WheelsPage.h"

#include "pages/WheelSelector.h"
#include "ui_WheelsPage.h"
#include "widgets/NumberField.h"

namespace rw {

WheelsPage::WheelsPage(WheelsForm& form, Dialogs& dialogs, QWidget* parent)
    : SelectionPage(form, dialogs, parent), ui(std::make_unique<Ui::WheelsPage>()) {
    ui->setupUi(this);

    AttachNumberField(ui->toeEdit, -10, 10, 0.01);
    AttachNumberField(ui->camberEdit, -20, 20, 0.1);
    AttachNumberField(ui->tireRateEdit, 0, 1000000, 10000);
    AttachNumberField(ui->maxBrakingEdit, 0, 100000, 100);
    AttachNumberField(ui->maxHandbrakeTorqueEdit, 0, 100000, 100);

    ConnectSelection(ui->wheelSelector);
}

WheelsPage::~WheelsPage() = default;

}  // namespace rw
