#include "pages/OtherModelsPage.h"

#include "ui_OtherModelsPage.h"
#include "widgets/Dialogs.h"

namespace rw {

OtherModelsPage::OtherModelsPage(OtherModelsForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::OtherModelsPage>()) {
    ui->setupUi(this);
    exchange.Bind(ui->modelEdit, &form.model);
    exchange.Bind(ui->xEdit, &form.x);
    exchange.Bind(ui->yEdit, &form.y);
    exchange.Bind(ui->zEdit, &form.z);
    exchange.Bind(ui->angleEdit, &form.angle);
    exchange.Push();
    connect(ui->modelButton, &QPushButton::clicked, this, [this] { PickModel(); });
}

OtherModelsPage::~OtherModelsPage() = default;

void OtherModelsPage::PickModel() {
    const std::optional<std::string> chosen =
        dialogs.ChooseOpenFile("Select a Model File", "Tavix DOF files (*.dof)|*.dof||");
    if (!chosen) {
        return;
    }
    // Numbers typed since the last fill stay.
    exchange.Take(TakeReason::Action);
    form.PickModel(*chosen);
    exchange.Push(ui->modelEdit);
}

}  // namespace rw
