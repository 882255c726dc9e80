#include "pages/MiscPage.h"

#include "ui_MiscPage.h"

namespace rw {

MiscPage::MiscPage(MiscForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::MiscPage>()) {
    ui->setupUi(this);
    // The check boxes never fail to take, so a bad field cannot hold them back.
    exchange.Bind(ui->frontBarCheck, &form.frontBar);
    exchange.Bind(ui->rearBarCheck, &form.rearBar);
    exchange.Bind(ui->frontStiffnessEdit, &form.frontStiffness);
    exchange.Bind(ui->rearStiffnessEdit, &form.rearStiffness);
    BindKeys();
    // Stored on the first steered wheel, so no key of the form's own.
    exchange.Bind(ui->ackermannEdit, &form.ackermann);
    exchange.Push();
    ApplyEnableRule();

    connect(ui->frontBarCheck, &QCheckBox::clicked, this, [this] { ApplyEnableRule(); });
    connect(ui->rearBarCheck, &QCheckBox::clicked, this, [this] { ApplyEnableRule(); });
}

MiscPage::~MiscPage() = default;

void MiscPage::ApplyEnables() {
    const auto enables = form.Enables();
    ui->frontStiffnessEdit->setEnabled(enables.frontStiffness);
    ui->rearStiffnessEdit->setEnabled(enables.rearStiffness);
}

}  // namespace rw
