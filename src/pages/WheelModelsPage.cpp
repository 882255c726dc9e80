#include "pages/WheelModelsPage.h"

#include "ui_WheelModelsPage.h"

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
    constexpr const char* kTitle = "Select a Model";
    constexpr const char* kFilter = "Tavix DOF files (*.dof)|*.dof||";
    for (std::size_t wheel = 0; wheel < 4; ++wheel) {
        exchange.Bind(wheelEdits[wheel], &form.wheelModels[wheel]);
        BindPicker(wheelEdits[wheel], wheelButtons[wheel], kTitle, kFilter);
    }
    for (std::size_t wheel = 0; wheel < 4; ++wheel) {
        exchange.Bind(brakeEdits[wheel], &form.brakeModels[wheel]);
        BindPicker(brakeEdits[wheel], brakeButtons[wheel], kTitle, kFilter);
    }
    exchange.Push();
}

WheelModelsPage::~WheelModelsPage() = default;

}  // namespace rw
