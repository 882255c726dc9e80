#pragma once

#include <memory>

#include "widgets/PageView.h"

namespace Ui {
class GeneralPage;
}

namespace rw {

class GeneralForm;

// The car's descriptive texts. Its fields are disabled while no car is open.
class GeneralPage : public PageView {
    Q_OBJECT

public:
    GeneralPage(GeneralForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~GeneralPage() override;

    void FillFromTree(const ConfigTree& tree) override;
    void StoreToTree(ConfigTree& tree) override;
    void EnableFields(bool enabled) override;

private:
    GeneralForm& form;
    std::unique_ptr<Ui::GeneralPage> ui;
};

}  // namespace rw
