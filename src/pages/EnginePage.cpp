#include "pages/EnginePage.h"

#include "ui_EnginePage.h"
#include "widgets/NumberField.h"

namespace rw {

EnginePage::EnginePage(EngineForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::EnginePage>()) {
    ui->setupUi(this);
    struct Range {
        QLineEdit* edit;
        double min, max, step;
    };
    const Range ranges[] = {
        {ui->massEdit, 0, 2000, 10},
        {ui->maxRpmEdit, 0, 20000, 100},
        {ui->idleRpmEdit, 0, 20000, 100},
        {ui->startRpmEdit, 0, 20000, 100},
        {ui->stallRpmEdit, 0, 20000, 100},
        {ui->maxTorqueEdit, 0, 10000, 1},
        {ui->autoclutchRpmEdit, 0, 20000, 100},
        {ui->starterTorqueEdit, 0, 1000, 1},
        {ui->shiftUpRpmEdit, 0, 20000, 100},
        {ui->shiftDownRpmEdit, 0, 20000, 100},
        {ui->clutchTimeEdit, 0, 2000, 20},
        {ui->declutchTimeEdit, 0, 2000, 20},
    };
    for (const Range& range : ranges) {
        AttachNumberField(range.edit, range.min, range.max, range.step)->SetValue(0);
    }

    // The check boxes never fail to take, so they come first: a field that
    // does not parse cannot hold back a tick.
    exchange.Bind(ui->starterMotorCheck, &form.starterMotor);
    exchange.Bind(ui->startStalledCheck, &form.startStalled);
    exchange.Bind(ui->automaticShiftingCheck, &form.automaticShifting);
    exchange.Bind(ui->massEdit, &form.mass);
    exchange.Bind(ui->inertiaEdit, &form.inertia);
    exchange.Bind(ui->maxRpmEdit, &form.maxRpm);
    exchange.Bind(ui->startRpmEdit, &form.startRpm);
    exchange.Bind(ui->stallRpmEdit, &form.stallRpm);
    exchange.Bind(ui->idleRpmEdit, &form.idleRpm);
    exchange.Bind(ui->autoclutchRpmEdit, &form.autoclutchRpm);
    exchange.Bind(ui->starterTorqueEdit, &form.starterTorque);
    BindFile(ui->curveTorqueEdit, &form.curveTorque, ui->curveTorqueButton, "Select an CRV File",
             "Tavix CRV Files (*.crv)|*.crv||");
    exchange.Bind(ui->maxTorqueEdit, &form.maxTorque);
    exchange.Bind(ui->shiftUpRpmEdit, &form.shiftUpRpm);
    exchange.Bind(ui->shiftDownRpmEdit, &form.shiftDownRpm);
    exchange.Bind(ui->clutchTimeEdit, &form.clutchTime);
    exchange.Bind(ui->declutchTimeEdit, &form.declutchTime);
    exchange.Bind(ui->brakingCoeffEdit, &form.brakingCoeff);
    exchange.Bind(ui->rollingFrictionEdit, &form.rollingFrictionCoeff);
    exchange.Push();
    ApplyEnableRule();

    connect(ui->starterMotorCheck, &QCheckBox::clicked, this, [this] { ApplyEnableRule(); });
    connect(ui->automaticShiftingCheck, &QCheckBox::clicked, this, [this] { ApplyEnableRule(); });
    ShowKeyTips();
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
