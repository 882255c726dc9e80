#pragma once

#include <memory>

#include "forms/EngineForm.h"
#include "pages/FormPage.h"

namespace Ui {
class EnginePage;
}

namespace rw {

// The engine. "Starter Motor" and "Automatic Shifting" enable the fields
// that depend on them; "..." picks the torque curve file.
class EnginePage : public FormPage<EngineForm> {
    Q_OBJECT

public:
    EnginePage(EngineForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~EnginePage() override;

private:
    void ApplyEnables() override;

    std::unique_ptr<Ui::EnginePage> ui;
};

}  // namespace rw
