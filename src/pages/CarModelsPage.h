#pragma once

#include <memory>

#include "forms/CarModelsForm.h"
#include "widgets/PageView.h"

class QLineEdit;

namespace Ui {
class CarModelsPage;
}

namespace rw {

// The body's model files and the shadow.
class CarModelsPage : public PageView {
    Q_OBJECT

public:
    CarModelsPage(CarModelsForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~CarModelsPage() override;

    void FillFromTree(const ConfigTree& tree) override;
    void StoreToTree(ConfigTree& tree) override;

private:
    void Pick(QLineEdit* edit, CarModelsForm::Field field, const char* title, const char* filter);

    CarModelsForm& form;
    std::unique_ptr<Ui::CarModelsPage> ui;
};

}  // namespace rw
