#pragma once

#include <memory>

#include "forms/CarModelsForm.h"
#include "pages/FormPage.h"

namespace Ui {
class CarModelsPage;
}

namespace rw {

// The body's model files and the shadow.
class CarModelsPage : public FormPage<CarModelsForm> {
    Q_OBJECT

public:
    CarModelsPage(CarModelsForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~CarModelsPage() override;

private:
    std::unique_ptr<Ui::CarModelsPage> ui;
};

}  // namespace rw
