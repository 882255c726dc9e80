#pragma once

#include <memory>

#include "forms/WheelModelsForm.h"
#include "pages/FormPage.h"

class QLineEdit;

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
    void Pick(QLineEdit* edit, int wheel, bool brake);

    std::unique_ptr<Ui::WheelModelsPage> ui;
};

}  // namespace rw
