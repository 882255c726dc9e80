#include "pages/CarModelsPage.h"

#include "ui_CarModelsPage.h"

namespace rw {

CarModelsPage::CarModelsPage(CarModelsForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::CarModelsPage>()) {
    ui->setupUi(this);
    BindKeys();
    constexpr const char* kModelTitle = "Select a Model File";
    constexpr const char* kModelFilter = "Tavix DOF files (*.dof)|*.dof||";
    BindPicker(ui->bodyEdit, ui->bodyButton, kModelTitle, kModelFilter);
    BindPicker(ui->inCarEdit, ui->inCarButton, kModelTitle, kModelFilter);
    BindPicker(ui->brakesEdit, ui->brakesButton, kModelTitle, kModelFilter);
    BindPicker(ui->lightsEdit, ui->lightsButton, kModelTitle, kModelFilter);
    BindPicker(ui->textureEdit, ui->textureButton, "Select a Texture", "All files (*.*)|*.*||");
    exchange.Push();
}

CarModelsPage::~CarModelsPage() = default;

}  // namespace rw
