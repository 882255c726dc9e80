#pragma once

#include <memory>

#include "forms/GeneralForm.h"
#include "pages/FormPage.h"

namespace Ui {
class GeneralPage;
}

namespace rw {

// The car's descriptive texts. Its fields are disabled while no car is open.
class GeneralPage : public FormPage<GeneralForm> {
    Q_OBJECT

public:
    GeneralPage(GeneralForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~GeneralPage() override;

    // A filled page holds an open car.
    void FillFromTree(const ConfigTree& tree) override;
    void EnableFields(bool enabled) override;

private:
    std::unique_ptr<Ui::GeneralPage> ui;
};

}  // namespace rw
