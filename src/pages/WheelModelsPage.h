#pragma once

#include <memory>

#include "forms/WheelModelsForm.h"
#include "pages/FormPage.h"

namespace Ui {
class WheelModelsPage;
}

namespace rw {

// The model files of the four wheels and their brakes.
class WheelModelsPage : public FormPage<WheelModelsForm> {
    Q_OBJECT

public:
    WheelModelsPage(WheelModelsForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~WheelModelsPage() override;

private:
    std::unique_ptr<Ui::WheelModelsPage> ui;
};

}  // namespace rw
