#pragma once

#include <memory>

#include "widgets/PageView.h"

namespace Ui {
class OtherModelsPage;
}

namespace rw {

class OtherModelsForm;

// The steering wheel shown in the car.
class OtherModelsPage : public PageView {
    Q_OBJECT

public:
    OtherModelsPage(OtherModelsForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~OtherModelsPage() override;

    void FillFromTree(const ConfigTree& tree) override;
    void StoreToTree(ConfigTree& tree) override;

private:
    void PickModel();

    OtherModelsForm& form;
    std::unique_ptr<Ui::OtherModelsPage> ui;
};

}  // namespace rw
