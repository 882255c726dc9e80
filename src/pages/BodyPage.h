#pragma once

#include <memory>

#include "forms/BodyForm.h"
#include "pages/FormPage.h"

namespace Ui {
class BodyPage;
}

namespace rw {

// The body as a rigid block: its box, mass, inertia and centre of gravity.
class BodyPage : public FormPage<BodyForm> {
    Q_OBJECT

public:
    BodyPage(BodyForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~BodyPage() override;

private:
    std::unique_ptr<Ui::BodyPage> ui;
};

}  // namespace rw
