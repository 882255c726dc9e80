#include "pages/MiscPage.h"

#include "ui_MiscPage.h"
#include "widgets/NumberField.h"

namespace rw {

MiscPage::MiscPage(MiscForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::MiscPage>()) {
    ui->setupUi(this);
    AttachNumberField(ui->frontStiffnessEdit, 0, 100000, 200);
    AttachNumberField(ui->rearStiffnessEdit, 0, 100000, 200);
    AttachNumberField(ui->lockEdit, 1, 360, 1);
    AttachNumberField(ui->ackermannEdit, -5, 5, 0.1);

    // The check boxes never fail to take, so a bad field cannot hold them back.
    exchange.Bind(ui->frontBarCheck, &form.frontBar);
    exchange.Bind(ui->rearBarCheck, &form.rearBar);
    exchange.Bind(ui->frontStiffnessEdit, &form.frontStiffness);
    exchange.Bind(ui->rearStiffnessEdit, &form.rearStiffness);
    exchange.Bind(ui->lockEdit, &form.steeringLock);
    exchange.Bind(ui->ackermannEdit, &form.ackermann);
    exchange.Push();
    ApplyEnableRule();

    connect(ui->frontBarCheck, &QCheckBox::clicked, this, [this] { ApplyEnableRule(); });
    connect(ui->rearBarCheck, &QCheckBox::clicked, this, [this] { ApplyEnableRule(); });
    ShowKeyTips();
}

MiscPage::~MiscPage() = default;

void MiscPage::ApplyEnables() {
    const auto enables = form.Enables();
    ui->frontStiffnessEdit->setEnabled(enables.frontStiffness);
    ui->rearStiffnessEdit->setEnabled(enables.rearStiffness);
}

}  // namespace rw
