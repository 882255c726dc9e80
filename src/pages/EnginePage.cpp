#include "pages/EnginePage.h"

#include "ui_EnginePage.h"

namespace rw {

EnginePage::EnginePage(EngineForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::EnginePage>()) {
    ui->setupUi(this);
    BindKeys();
    BindPicker(ui->curveTorqueEdit, ui->curveTorqueButton, "Select an CRV File",
               "Tavix CRV Files (*.crv)|*.crv||");
    exchange.Push();
    ApplyEnableRule();

    connect(ui->starterMotorCheck, &QCheckBox::clicked, this, [this] { ApplyEnableRule(); });
    connect(ui->automaticShiftingCheck, &QCheckBox::clicked, this, [this] { ApplyEnableRule(); });
}

EnginePage::~EnginePage() = default;

void EnginePage::ApplyEnables() {
    const auto enables = form.Enables();
    ui->starterTorqueEdit->setEnabled(enables.starterTorque);
    ui->startStalledCheck->setEnabled(enables.startStalled);
    ui->shiftUpRpmEdit->setEnabled(enables.shiftUpRpm);
    ui->shiftDownRpmEdit->setEnabled(enables.shiftDownRpm);
    ui->clutchTimeEdit->setEnabled(enables.clutchTime);
    ui->declutchTimeEdit->setEnabled(enables.declutchTime);
}

}  // namespace rw
