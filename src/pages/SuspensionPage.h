#pragma once

#include <cstdint>
#include <memory>

#include "forms/SuspensionForm.h"
#include "pages/PageView.h"

class QLineEdit;

namespace Ui {
class SuspensionPage;
}

namespace rw {

// The four suspensions, edited for any set chosen with the wheel selector.
// Every edit is copied at once into the selected suspensions of the form's
// working copy; the tree sees them at the next store.
class SuspensionPage : public PageView {
    Q_OBJECT

public:
    SuspensionPage(SuspensionForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~SuspensionPage() override;

    void FillFromTree(const ConfigTree& tree) override;
    void StoreToTree(ConfigTree& tree) override;

private:
    void OnSelectionChanged(std::uint32_t mask);
    void OnFieldChanged(QLineEdit* edit, SuspensionForm::Field field);
    void ApplyEnables();

    std::unique_ptr<Ui::SuspensionPage> ui;
    SuspensionForm& form;
};

}  // namespace rw
