#include "pages/SuspensionPage.h"

#include <QLineEdit>
#include <utility>

#include "pages/WheelSelector.h"
#include "widgets/NumberField.h"
#include "ui_SuspensionPage.h"

namespace rw {

SuspensionPage::SuspensionPage(SuspensionForm& form, Dialogs& dialogs, QWidget* parent)
    : SelectionPage(form, dialogs, parent), ui(std::make_unique<Ui::SuspensionPage>()) {
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
    ConnectSelection(ui->wheelSelector, {
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
                                        });
}

SuspensionPage::~SuspensionPage() = default;

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
