#pragma once

#include <memory>

#include "widgets/PageView.h"

class QButtonGroup;

namespace Ui {
class DrivelinePage;
}

namespace rw {

class DrivelineForm;

// The differential, the drive configuration and the clutch. The radio
// buttons are not bound: they set the form's type and drive directly.
class DrivelinePage : public PageView {
    Q_OBJECT

public:
    DrivelinePage(DrivelineForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~DrivelinePage() override;

    void FillFromTree(const ConfigTree& tree) override;
    void StoreToTree(ConfigTree& tree) override;

private:
    void ApplyEnableRule();
    // Selects the radio buttons of the form's type and drive; none of a
    // group when the form's value has no button.
    void ShowRadios();

    DrivelineForm& form;
    std::unique_ptr<Ui::DrivelinePage> ui;
    QButtonGroup* typeGroup;
    QButtonGroup* driveGroup;
};

}  // namespace rw
