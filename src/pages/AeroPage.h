#pragma once

#include <memory>

#include "forms/AeroForm.h"
#include "pages/FormPage.h"

class QLineEdit;

namespace Ui {
class AeroPage;
}

namespace rw {

// Body drag and area, and the wing list with the edit form of the picked wing.
// Every edit of a wing field goes into that wing at once; the tree sees the
// wings at the next store, renumbered in list order.
class AeroPage : public FormPage<AeroForm> {
    Q_OBJECT

public:
    AeroPage(AeroForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~AeroPage() override;

    void FillFromTree(const ConfigTree& tree) override;
    void ShowForm() override;

private:
    void OnWingPicked(int row);
    void OnAddWing();
    void OnDeleteWing();
    void OnNameChanged();
    void OnWingFieldChanged(QLineEdit* edit, float Wing::*field);
    // Selects `row` in the list without treating it as a pick; -1 selects none.
    void SelectRow(int row);
    void RebuildList();
    void ApplyEnables() override;

    std::unique_ptr<Ui::AeroPage> ui;
};

}  // namespace rw
