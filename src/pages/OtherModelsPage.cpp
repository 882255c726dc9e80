#include "pages/OtherModelsPage.h"

#include "ui_OtherModelsPage.h"

namespace rw {

OtherModelsPage::OtherModelsPage(OtherModelsForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::OtherModelsPage>()) {
    ui->setupUi(this);
    BindFile(ui->modelEdit, &form.model, ui->modelButton, "Select a Model File",
             "Tavix DOF files (*.dof)|*.dof||");
    exchange.Bind(ui->xEdit, &form.x);
    exchange.Bind(ui->yEdit, &form.y);
    exchange.Bind(ui->zEdit, &form.z);
    exchange.Bind(ui->angleEdit, &form.angle);
    exchange.Push();
    ShowKeyTips();
}

OtherModelsPage::~OtherModelsPage() = default;

}  // namespace rw
