#pragma once

#include <memory>

#include "widgets/PageView.h"

class QLineEdit;

namespace Ui {
class WheelModelsPage;
}

namespace rw {

class WheelModelsForm;

// The model files of the four wheels and their brakes.
class WheelModelsPage : public PageView {
    Q_OBJECT

public:
    WheelModelsPage(WheelModelsForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~WheelModelsPage() override;

    void FillFromTree(const ConfigTree& tree) override;
    void StoreToTree(ConfigTree& tree) override;

private:
    void Pick(QLineEdit* edit, int wheel, bool brake);

    WheelModelsForm& form;
    std::unique_ptr<Ui::WheelModelsPage> ui;
};

}  // namespace rw
