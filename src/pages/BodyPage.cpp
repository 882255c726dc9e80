#include "pages/BodyPage.h"

#include "ui_BodyPage.h"

namespace rw {

BodyPage::BodyPage(BodyForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::BodyPage>()) {
    ui->setupUi(this);
    BindKeys();
    exchange.Push();
}

BodyPage::~BodyPage() = default;

}  // namespace rw
