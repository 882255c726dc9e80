#include "pages/WheelModelsPage.h"

#include "ui_WheelModelsPage.h"
#include "widgets/Dialogs.h"

namespace rw {

WheelModelsPage::WheelModelsPage(WheelModelsForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::WheelModelsPage>()) {
    ui->setupUi(this);
    // Wheel numbers: 0 left front, 1 right front, 2 left rear, 3 right rear.
    const std::array<QLineEdit*, 4> wheelEdits = {ui->frontLeftWheelEdit, ui->frontRightWheelEdit,
                                                  ui->rearLeftWheelEdit, ui->rearRightWheelEdit};
    const std::array<QLineEdit*, 4> brakeEdits = {ui->frontLeftBrakeEdit, ui->frontRightBrakeEdit,
                                                  ui->rearLeftBrakeEdit, ui->rearRightBrakeEdit};
    const std::array<QPushButton*, 4> wheelButtons = {
        ui->frontLeftWheelButton, ui->frontRightWheelButton, ui->rearLeftWheelButton,
        ui->rearRightWheelButton};
    const std::array<QPushButton*, 4> brakeButtons = {
        ui->frontLeftBrakeButton, ui->frontRightBrakeButton, ui->rearLeftBrakeButton,
        ui->rearRightBrakeButton};
    for (int wheel = 0; wheel < 4; ++wheel) {
        exchange.Bind(wheelEdits[wheel], &form.wheelModels[wheel]);
    }
    for (int wheel = 0; wheel < 4; ++wheel) {
        exchange.Bind(brakeEdits[wheel], &form.brakeModels[wheel]);
    }
    exchange.Push();
    for (int wheel = 0; wheel < 4; ++wheel) {
        connect(wheelButtons[wheel], &QPushButton::clicked, this,
                [this, edit = wheelEdits[wheel], wheel] { Pick(edit, wheel, false); });
        connect(brakeButtons[wheel], &QPushButton::clicked, this,
                [this, edit = brakeEdits[wheel], wheel] { Pick(edit, wheel, true); });
    }
}

WheelModelsPage::~WheelModelsPage() = default;

void WheelModelsPage::Pick(QLineEdit* edit, int wheel, bool brake) {
    const std::optional<std::string> chosen =
        dialogs.ChooseOpenFile("Select a Model", "Tavix DOF files (*.dof)|*.dof||");
    if (!chosen) {
        return;
    }
    // What was typed into the other fields since the last fill stays.
    exchange.Take(TakeReason::Action);
    if (brake) {
        form.PickBrake(wheel, *chosen);
    } else {
        form.PickWheel(wheel, *chosen);
    }
    exchange.Push(edit);
}

}  // namespace rw
