#pragma once

#include <memory>

#include "forms/SoundsForm.h"
#include "pages/FormPage.h"

namespace Ui {
class SoundsPage;
}

namespace rw {

// The engine and skid samples.
class SoundsPage : public FormPage<SoundsForm> {
    Q_OBJECT

public:
    SoundsPage(SoundsForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~SoundsPage() override;

private:
    std::unique_ptr<Ui::SoundsPage> ui;
};

}  // namespace rw
