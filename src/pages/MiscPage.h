#pragma once

#include <memory>

#include "forms/MiscForm.h"
#include "pages/FormPage.h"

namespace Ui {
class MiscPage;
}

namespace rw {

// Anti-roll bars, steering lock and Ackermann effect.
class MiscPage : public FormPage<MiscForm> {
    Q_OBJECT

public:
    MiscPage(MiscForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MiscPage() override;

private:
    void ApplyEnables() override;

    std::unique_ptr<Ui::MiscPage> ui;
};

}  // namespace rw
