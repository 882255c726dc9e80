#pragma once

#include <memory>

#include "widgets/PageView.h"

namespace Ui {
class EnginePage;
}

namespace rw {

class EngineForm;

// The engine. "Starter Motor" and "Automatic Shifting" enable the fields
// that depend on them; "..." picks the torque curve file.
class EnginePage : public PageView {
    Q_OBJECT

public:
    EnginePage(EngineForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~EnginePage() override;

    void FillFromTree(const ConfigTree& tree) override;
    void StoreToTree(ConfigTree& tree) override;

private:
    void ApplyEnableRule();
    void PickCurveTorque();

    EngineForm& form;
    std::unique_ptr<Ui::EnginePage> ui;
};

}  // namespace rw
