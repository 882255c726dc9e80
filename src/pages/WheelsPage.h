#pragma once

#include <cstdint>
#include <memory>

#include "forms/WheelsForm.h"
#include "pages/PageView.h"

class QAbstractButton;
class QLineEdit;

namespace Ui {
class WheelsPage;
}

namespace rw {

// The four wheels, edited for any set of wheels chosen with the selector.
// Every edit is copied at once into the selected wheels of the form's working
// copy; the tree sees them at the next store.
class WheelsPage : public PageView {
    Q_OBJECT

public:
    WheelsPage(WheelsForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~WheelsPage() override;

    void FillFromTree(const ConfigTree& tree) override;
    void StoreToTree(ConfigTree& tree) override;

private:
    void OnSelectionChanged(std::uint32_t mask);
    void OnFieldChanged(QLineEdit* edit, WheelsForm::Field field);
    void OnCheckChanged(QAbstractButton* box, WheelsForm::Check check);
    void ApplyEnables();

    std::unique_ptr<Ui::WheelsPage> ui;
    WheelsForm& form;
};

}  // namespace rw
