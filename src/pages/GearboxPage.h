#pragma once

#include <array>
#include <memory>

#include "widgets/PageView.h"

class QLineEdit;

namespace Ui {
class GearboxPage;
}

namespace rw {

class GearboxForm;

// The gearbox: the forward gear count, the reverse gear and a ratio and an
// inertia per gear. Rows past the count, and the reverse row without
// "Reverse Gear", are disabled.
class GearboxPage : public PageView {
    Q_OBJECT

public:
    GearboxPage(GearboxForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~GearboxPage() override;

    void FillFromTree(const ConfigTree& tree) override;
    void StoreToTree(ConfigTree& tree) override;
    // A gear count the form cannot store is a bad field too.
    std::optional<BadField> TakeControls() override;

private:
    // The exchange, with a gear count above what the form can store refused
    // the way text that does not parse is.
    bool TakeAll(TakeReason reason);
    void ApplyEnableRule(TakeReason reason);
    void ShowEnables();
    void MarkGearCount();

    GearboxForm& form;
    std::unique_ptr<Ui::GearboxPage> ui;
    std::array<QLineEdit*, 7> ratioEdits{};
    std::array<QLineEdit*, 7> inertiaEdits{};
};

}  // namespace rw
