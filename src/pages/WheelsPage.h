#pragma once

#include <cstdint>
#include <memory>

#include "forms/WheelsForm.h"
#include "pages/SelectionPage.h"

namespace Ui {
class WheelsPage;
}

namespace rw {

// The four wheels, edited for any set of wheels chosen with the selector.
// Every edit is copied at once into the selected wheels of the form's working
// copy; the tree sees them at the next store.
class WheelsPage : public SelectionPage<WheelsForm> {
    Q_OBJECT

public:
    WheelsPage(WheelsForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~WheelsPage() override;

private:
    std::unique_ptr<Ui::WheelsPage> ui;
};

}  // namespace rw
