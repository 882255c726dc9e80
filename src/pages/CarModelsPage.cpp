#include "pages/CarModelsPage.h"

#include "ui_CarModelsPage.h"
#include "widgets/Dialogs.h"

namespace rw {

namespace {

constexpr const char* kModelTitle = "Select a Model File";
constexpr const char* kModelFilter = "Tavix DOF files (*.dof)|*.dof||";

}  // namespace

CarModelsPage::CarModelsPage(CarModelsForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::CarModelsPage>()) {
    ui->setupUi(this);
    exchange.Bind(ui->bodyEdit, &form.body);
    exchange.Bind(ui->inCarEdit, &form.inCar);
    exchange.Bind(ui->brakesEdit, &form.brakes);
    exchange.Bind(ui->lightsEdit, &form.lights);
    exchange.Bind(ui->textureEdit, &form.texture);
    exchange.Bind(ui->shadowLengthEdit, &form.shadowLength);
    exchange.Bind(ui->shadowWidthEdit, &form.shadowWidth);
    exchange.Bind(ui->shadowOffsetEdit, &form.shadowOffset);
    exchange.Push();

    using Field = CarModelsForm::Field;
    const struct {
        QPushButton* button;
        QLineEdit* edit;
        Field field;
    } pickers[] = {
        {ui->bodyButton, ui->bodyEdit, Field::Body},
        {ui->inCarButton, ui->inCarEdit, Field::InCar},
        {ui->lightsButton, ui->lightsEdit, Field::Lights},
        {ui->brakesButton, ui->brakesEdit, Field::Brakes},
    };
    for (const auto& picker : pickers) {
        connect(picker.button, &QPushButton::clicked, this,
                [this, edit = picker.edit, field = picker.field] {
                    Pick(edit, field, kModelTitle, kModelFilter);
                });
    }
    connect(ui->textureButton, &QPushButton::clicked, this, [this] {
        Pick(ui->textureEdit, Field::Texture, "Select a Texture", "All files (*.*)|*.*||");
    });
}

CarModelsPage::~CarModelsPage() = default;

void CarModelsPage::Pick(QLineEdit* edit, CarModelsForm::Field field, const char* title,
                         const char* filter) {
    const std::optional<std::string> chosen = dialogs.ChooseOpenFile(title, filter);
    if (!chosen) {
        return;
    }
    // What was typed elsewhere on the page since the last fill stays.
    exchange.Take(TakeReason::Action);
    form.Pick(field, *chosen);
    exchange.Push(edit);
}

}  // namespace rw
