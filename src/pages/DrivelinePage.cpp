#include "pages/DrivelinePage.h"

#include <QButtonGroup>

#include "ui_DrivelinePage.h"

namespace rw {

namespace {

// Shows the button of `id` selected, or none when the group has no such
// button: an exclusive group would keep its old selection.
void SelectOnly(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
        button->setChecked(false);
    }
    group->setExclusive(true);
}

}  // namespace

DrivelinePage::DrivelinePage(DrivelineForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent),
      ui(std::make_unique<Ui::DrivelinePage>()),
      typeGroup(new QButtonGroup(this)),
      driveGroup(new QButtonGroup(this)) {
    ui->setupUi(this);
    typeGroup->addButton(ui->freeRadio, 0);
    typeGroup->addButton(ui->viscousRadio, 1);
    typeGroup->addButton(ui->salisburyRadio, 2);
    driveGroup->addButton(ui->fwdRadio, static_cast<int>(DrivelineForm::Drive::Fwd));
    driveGroup->addButton(ui->rwdRadio, static_cast<int>(DrivelineForm::Drive::Rwd));

    BindKeys({"differential.type"});
    exchange.Push();
    ApplyEnableRule();

    connect(typeGroup, &QButtonGroup::idClicked, this, [this](int id) {
        this->form.type = id;
        ApplyEnableRule();
    });
    connect(driveGroup, &QButtonGroup::idClicked, this,
            [this](int id) { this->form.drive = static_cast<DrivelineForm::Drive>(id); });
}

DrivelinePage::~DrivelinePage() = default;

void DrivelinePage::ApplyEnables() {
    SelectOnly(typeGroup, form.type);
    SelectOnly(driveGroup, static_cast<int>(form.drive));
    const auto enables = form.Enables();
    ui->lockingCoeffEdit->setEnabled(enables.lockingCoeff);
    ui->powerAngleEdit->setEnabled(enables.powerAngle);
    ui->coastAngleEdit->setEnabled(enables.coastAngle);
}

}  // namespace rw
