#pragma once

#include <memory>

#include "widgets/PageView.h"

namespace Ui {
class BodyPage;
}

namespace rw {

class BodyForm;

// The body as a rigid block: its box, mass, inertia and centre of gravity.
class BodyPage : public PageView {
    Q_OBJECT

public:
    BodyPage(BodyForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~BodyPage() override;

    void FillFromTree(const ConfigTree& tree) override;
    void StoreToTree(ConfigTree& tree) override;

private:
    BodyForm& form;
    std::unique_ptr<Ui::BodyPage> ui;
};

}  // namespace rw
