#include "pages/OtherModelsPage.h"

#include "ui_OtherModelsPage.h"

namespace rw {

OtherModelsPage::OtherModelsPage(OtherModelsForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::OtherModelsPage>()) {
    ui->setupUi(this);
    BindKeys();
    BindPicker(ui->modelEdit, ui->modelButton, "Select a Model File",
               "Tavix DOF files (*.dof)|*.dof||");
    exchange.Push();
}

OtherModelsPage::~OtherModelsPage() = default;

}  // namespace rw
