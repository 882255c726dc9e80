#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "forms/GearboxForm.h"
#include "pages/FormPage.h"

class QLineEdit;

namespace Ui {
class GearboxPage;
}

namespace rw {

// The gearbox: the forward gear count, the reverse gear and a ratio and an
// inertia per gear. Rows past the count, and the reverse row without
// "Reverse Gear", are disabled.
class GearboxPage : public FormPage<GearboxForm> {
    Q_OBJECT

public:
    GearboxPage(GearboxForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~GearboxPage() override;

    // A gear count the form cannot store is a bad field too.
    std::optional<BadField> TakeControls() override;

private:
    // A gear count above what the form can store is refused the way text
    // that does not parse is.
    bool TakeFields(TakeReason reason) override;
    void ApplyEnables() override;
    void MarkMisreadFields(const ConfigTree& tree) override;
    // Ticking "Reverse Gear" renumbers the rows' keys, so their tips follow.
    void ShowRowTips();
    // Row 7 is the reverse row.
    QLineEdit* RowEdit(std::size_t row, bool ratio) const;
    static std::size_t MisreadIndex(std::size_t row, bool ratio);

    std::unique_ptr<Ui::GearboxPage> ui;
    std::array<QLineEdit*, 7> ratioEdits{};
    std::array<QLineEdit*, 7> inertiaEdits{};
    // What the file had where a row's number reads otherwise: the ratios of
    // the seven rows and of reverse, then the inertias.
    std::array<std::optional<std::string>, 2 * (GearboxForm::kRowCount + 1)> misread;
    std::optional<std::string> misreadCount;
};

}  // namespace rw
