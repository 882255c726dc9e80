#include "pages/SuspensionPage.h"

#include <QLineEdit>
#include <utility>

#include "pages/WheelSelector.h"
#include "shell/NumberField.h"
#include "ui_SuspensionPage.h"

namespace rw {

SuspensionPage::SuspensionPage(SuspensionForm& form, Dialogs& dialogs, QWidget* parent)
    : PageView(dialogs, parent), ui(std::make_unique<Ui::SuspensionPage>()), form(form) {
    ui->setupUi(this);

    SuspensionValues& shown = form.shown;
    exchange.Bind(ui->restLengthEdit, &shown.restLength);
    exchange.Bind(ui->minLengthEdit, &shown.minLength);
    exchange.Bind(ui->maxLengthEdit, &shown.maxLength);
    exchange.Bind(ui->bumpRateEdit, &shown.bumpRate);
    exchange.Bind(ui->reboundRateEdit, &shown.reboundRate);
    exchange.Bind(ui->kEdit, &shown.k);
    exchange.Bind(ui->antiPitchEdit, &shown.antiPitch);
    exchange.Bind(ui->rollCenterXEdit, &shown.rollCenterX);
    exchange.Bind(ui->rollCenterYEdit, &shown.rollCenterY);
    exchange.Bind(ui->rollCenterZEdit, &shown.rollCenterZ);
    exchange.Bind(ui->xEdit, &shown.x);
    exchange.Bind(ui->yEdit, &shown.y);
    exchange.Bind(ui->zEdit, &shown.z);

    AttachNumberField(ui->bumpRateEdit, 0, 100000, 200);
    AttachNumberField(ui->reboundRateEdit, 0, 100000, 200);
    AttachNumberField(ui->kEdit, 0, 100000, 1000);

    using Field = SuspensionForm::Field;
    const std::pair<QLineEdit*, Field> fields[] = {
        {ui->restLengthEdit, Field::RestLength},
        {ui->minLengthEdit, Field::MinLength},
        {ui->maxLengthEdit, Field::MaxLength},
        {ui->bumpRateEdit, Field::BumpRate},
        {ui->reboundRateEdit, Field::ReboundRate},
        {ui->kEdit, Field::K},
        {ui->antiPitchEdit, Field::AntiPitch},
        {ui->rollCenterXEdit, Field::RollCenterX},
        {ui->rollCenterYEdit, Field::RollCenterY},
        {ui->rollCenterZEdit, Field::RollCenterZ},
        {ui->xEdit, Field::X},
        {ui->yEdit, Field::Y},
        {ui->zEdit, Field::Z},
    };
    // Pushes block these signals, so only the user's typing and the spin
    // buttons reach the suspensions.
    for (const auto& [edit, field] : fields) {
        connect(edit, &QLineEdit::textChanged, this,
                [this, edit = edit, field = field] { OnFieldChanged(edit, field); });
    }
    connect(ui->wheelSelector, &WheelSelector::SelectionChanged, this,
            &SuspensionPage::OnSelectionChanged);

    ui->wheelSelector->SetMask(form.selection);
    exchange.Push();
    ApplyEnables();
}

SuspensionPage::~SuspensionPage() = default;

void SuspensionPage::FillFromTree(const ConfigTree& tree) {
    form.FillFromTree(tree);
    ui->wheelSelector->SetMask(form.selection);
    exchange.Push();
    ApplyEnables();
}

void SuspensionPage::StoreToTree(ConfigTree& tree) {
    exchange.Take(TakeReason::Action);
    form.StoreToTree(tree);
}

void SuspensionPage::OnSelectionChanged(std::uint32_t mask) {
    form.SetSelection(mask);
    exchange.Push();
    ApplyEnables();
}

void SuspensionPage::OnFieldChanged(QLineEdit* edit, SuspensionForm::Field field) {
    // Text on its way to a number keeps the last good value in the suspensions.
    if (exchange.Take(edit, TakeReason::Typing)) {
        form.ApplyField(field);
    }
}

void SuspensionPage::ApplyEnables() {
    const bool enabled = form.Enables().fields;
    for (QLineEdit* edit :
         {ui->restLengthEdit, ui->minLengthEdit, ui->maxLengthEdit, ui->bumpRateEdit,
          ui->reboundRateEdit, ui->kEdit, ui->antiPitchEdit, ui->rollCenterXEdit,
          ui->rollCenterYEdit, ui->rollCenterZEdit, ui->xEdit, ui->yEdit, ui->zEdit}) {
        edit->setEnabled(enabled);
    }
}

}  // namespace rw
