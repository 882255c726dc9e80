#pragma once

#include <memory>

#include "forms/DrivelineForm.h"
#include "pages/FormPage.h"

class QButtonGroup;

namespace Ui {
class DrivelinePage;
}

namespace rw {

// The differential, the drive configuration and the clutch. The radio
// buttons are not bound: they set the form's type and drive directly.
class DrivelinePage : public FormPage<DrivelineForm> {
    Q_OBJECT

public:
    DrivelinePage(DrivelineForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~DrivelinePage() override;

private:
    // Also selects the radio buttons of the form's type and drive; none of a
    // group when the form's value has no button.
    void ApplyEnables() override;

    std::unique_ptr<Ui::DrivelinePage> ui;
    QButtonGroup* typeGroup;
    QButtonGroup* driveGroup;
};

}  // namespace rw
