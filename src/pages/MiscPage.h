#pragma once

#include <memory>

#include "widgets/PageView.h"

namespace Ui {
class MiscPage;
}

namespace rw {

class MiscForm;

// Anti-roll bars, steering lock and Ackermann effect.
class MiscPage : public PageView {
    Q_OBJECT

public:
    MiscPage(MiscForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MiscPage() override;

    void FillFromTree(const ConfigTree& tree) override;
    void StoreToTree(ConfigTree& tree) override;

private:
    void ApplyEnableRule();

    MiscForm& form;
    std::unique_ptr<Ui::MiscPage> ui;
};

}  // namespace rw
