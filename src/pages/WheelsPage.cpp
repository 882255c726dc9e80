#include "pages/WheelsPage.h"

#include <QCheckBox>
#include <QLineEdit>

#include "pages/WheelSelector.h"
#include "widgets/NumberField.h"
#include "ui_WheelsPage.h"

namespace rw {

WheelsPage::WheelsPage(WheelsForm& form, Dialogs& dialogs, QWidget* parent)
    : SelectionPage(form, dialogs, parent), ui(std::make_unique<Ui::WheelsPage>()) {
    ui->setupUi(this);

    WheelValues& shown = form.shown;
    exchange.Bind(ui->massEdit, &shown.mass);
    exchange.Bind(ui->inertiaEdit, &shown.inertia);
    exchange.Bind(ui->radiusEdit, &shown.radius);
    exchange.Bind(ui->lockEdit, &shown.lock);
    exchange.Bind(ui->toeEdit, &shown.toe);
    exchange.Bind(ui->camberEdit, &shown.camber);
    exchange.Bind(ui->tireRateEdit, &shown.tireRate);
    exchange.Bind(ui->brakingFactorEdit, &shown.brakingFactor);
    exchange.Bind(ui->maxBrakingEdit, &shown.maxBraking);
    exchange.Bind(ui->maxHandbrakeTorqueEdit, &shown.maxHandbrakeTorque);
    exchange.Bind(ui->xEdit, &shown.x);
    exchange.Bind(ui->yEdit, &shown.y);
    exchange.Bind(ui->zEdit, &shown.z);
    exchange.Bind(ui->steeringCheck, &shown.steering);
    exchange.Bind(ui->handbrakeCheck, &shown.handbrake);

    AttachNumberField(ui->toeEdit, -10, 10, 0.01);
    AttachNumberField(ui->camberEdit, -20, 20, 0.1);
    AttachNumberField(ui->tireRateEdit, 0, 1000000, 10000);
    AttachNumberField(ui->maxBrakingEdit, 0, 100000, 100);
    AttachNumberField(ui->maxHandbrakeTorqueEdit, 0, 100000, 100);

    using Field = WheelsForm::Field;
    connect(ui->steeringCheck, &QCheckBox::toggled, this,
            [this] { OnCheckChanged(ui->steeringCheck, WheelsForm::Check::Steering); });
    connect(ui->handbrakeCheck, &QCheckBox::toggled, this,
            [this] { OnCheckChanged(ui->handbrakeCheck, WheelsForm::Check::Handbrake); });
    ConnectSelection(ui->wheelSelector, {
                                            {ui->massEdit, Field::Mass},
                                            {ui->inertiaEdit, Field::Inertia},
                                            {ui->radiusEdit, Field::Radius},
                                            {ui->lockEdit, Field::Lock},
                                            {ui->toeEdit, Field::Toe},
                                            {ui->camberEdit, Field::Camber},
                                            {ui->tireRateEdit, Field::TireRate},
                                            {ui->brakingFactorEdit, Field::BrakingFactor},
                                            {ui->maxBrakingEdit, Field::MaxBraking},
                                            {ui->maxHandbrakeTorqueEdit, Field::MaxHandbrakeTorque},
                                            {ui->xEdit, Field::X},
                                            {ui->yEdit, Field::Y},
                                            {ui->zEdit, Field::Z},
                                        });
}

WheelsPage::~WheelsPage() = default;

void WheelsPage::OnCheckChanged(QAbstractButton* box, WheelsForm::Check check) {
    exchange.Take(box, TakeReason::Typing);
    form.ApplyCheck(check);
    ApplyEnables();
}

void WheelsPage::ApplyEnables() {
    const struct WheelsForm::Enables enables = form.Enables();
    for (QLineEdit* edit : {ui->massEdit, ui->inertiaEdit, ui->radiusEdit, ui->toeEdit,
                            ui->camberEdit, ui->tireRateEdit, ui->brakingFactorEdit,
                            ui->maxBrakingEdit, ui->xEdit, ui->yEdit, ui->zEdit}) {
        edit->setEnabled(enables.fields);
    }
    ui->lockEdit->setEnabled(enables.lock);
    ui->maxHandbrakeTorqueEdit->setEnabled(enables.maxHandbrakeTorque);
    ui->steeringCheck->setEnabled(enables.steering);
    ui->handbrakeCheck->setEnabled(enables.handbrake);
}

}  // namespace rw
