#include "pages/BodyPage.h"

#include "ui_BodyPage.h"
#include "widgets/NumberField.h"

namespace rw {

BodyPage::BodyPage(BodyForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::BodyPage>()) {
    ui->setupUi(this);
    AttachNumberField(ui->massEdit, 0, 10000, 10);
    exchange.Bind(ui->massEdit, &form.mass);
    exchange.Bind(ui->restitutionEdit, &form.restitution);
    exchange.Bind(ui->cgXEdit, &form.cgX);
    exchange.Bind(ui->cgYEdit, &form.cgY);
    exchange.Bind(ui->cgZEdit, &form.cgZ);
    exchange.Bind(ui->inertiaXEdit, &form.inertiaX);
    exchange.Bind(ui->inertiaYEdit, &form.inertiaY);
    exchange.Bind(ui->inertiaZEdit, &form.inertiaZ);
    exchange.Bind(ui->widthEdit, &form.width);
    exchange.Bind(ui->heightEdit, &form.height);
    exchange.Bind(ui->lengthEdit, &form.length);
    exchange.Bind(ui->manualBoxCheck, &form.manualBox);
    exchange.Push();
    ShowKeyTips();
}

BodyPage::~BodyPage() = default;

}  // namespace rw
