#pragma once

#include <memory>

#include "forms/OtherModelsForm.h"
#include "pages/FormPage.h"

namespace Ui {
class OtherModelsPage;
}

namespace rw {

// The steering wheel shown in the car.
class OtherModelsPage : public FormPage<OtherModelsForm> {
    Q_OBJECT

public:
    OtherModelsPage(OtherModelsForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~OtherModelsPage() override;

private:
    std::unique_ptr<Ui::OtherModelsPage> ui;
};

}  // namespace rw
