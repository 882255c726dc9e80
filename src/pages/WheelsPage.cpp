#include "pages/WheelsPage.h"

#include "pages/WheelSelector.h"
#include "ui_WheelsPage.h"

namespace rw {

WheelsPage::WheelsPage(WheelsForm& form, Dialogs& dialogs, QWidget* parent)
    : SelectionPage(form, dialogs, parent), ui(std::make_unique<Ui::WheelsPage>()) {
    ui->setupUi(this);

    ConnectSelection(ui->wheelSelector);
}

WheelsPage::~WheelsPage() = default;

}  // namespace rw
