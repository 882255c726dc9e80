#pragma once

#include <cstdint>
#include <memory>

#include "forms/SuspensionForm.h"
#include "pages/SelectionPage.h"

namespace Ui {
class SuspensionPage;
}

namespace rw {

// The four suspensions, edited for any set chosen with the wheel selector.
// Every edit is copied at once into the selected suspensions of the form's
// working copy; the tree sees them at the next store.
class SuspensionPage : public SelectionPage<SuspensionForm> {
    Q_OBJECT

public:
    SuspensionPage(SuspensionForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~SuspensionPage() override;

private:
    std::unique_ptr<Ui::SuspensionPage> ui;
};

}  // namespace rw
