#include "pages/CarModelsPage.h"

#include "ui_CarModelsPage.h"

namespace rw {

CarModelsPage::CarModelsPage(CarModelsForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::CarModelsPage>()) {
    ui->setupUi(this);
    constexpr const char* kModelTitle = "Select a Model File";
    constexpr const char* kModelFilter = "Tavix DOF files (*.dof)|*.dof||";
    BindFile(ui->bodyEdit, &form.body, ui->bodyButton, kModelTitle, kModelFilter);
    BindFile(ui->inCarEdit, &form.inCar, ui->inCarButton, kModelTitle, kModelFilter);
    BindFile(ui->brakesEdit, &form.brakes, ui->brakesButton, kModelTitle, kModelFilter);
    BindFile(ui->lightsEdit, &form.lights, ui->lightsButton, kModelTitle, kModelFilter);
    BindFile(ui->textureEdit, &form.texture, ui->textureButton, "Select a Texture",
             "All files (*.*)|*.*||");
    exchange.Bind(ui->shadowLengthEdit, &form.shadowLength);
    exchange.Bind(ui->shadowWidthEdit, &form.shadowWidth);
    exchange.Bind(ui->shadowOffsetEdit, &form.shadowOffset);
    exchange.Push();
    ShowKeyTips();
}

CarModelsPage::~CarModelsPage() = default;

}  // namespace rw
