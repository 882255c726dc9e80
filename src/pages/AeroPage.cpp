#include "pages/AeroPage.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <string>
#include <utility>

#include "ui_AeroPage.h"
#include "widgets/NumberField.h"
#include "widgets/TextCodec.h"

namespace rw {

AeroPage::AeroPage(AeroForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::AeroPage>()) {
    ui->setupUi(this);

    AttachNumberFields(*this);
    // The edit form shows whichever wing is picked, so "N" stands for its number.
    const std::string shown = std::string(AeroForm::kWingBlock) + "N.";
    const std::string commented = NumberedPrefix(AeroForm::kWingBlock, 0);
    Remember(rw::BindKeys(exchange, *this, AeroForm::WingKeys(), form.edit, shown, commented));
    Remember(rw::BindKeys(exchange, *this, AeroForm::Keys(), form));
    // One key holds all three, so they are the page's own.
    exchange.Bind(ui->xEdit, &form.edit.x);
    exchange.Bind(ui->yEdit, &form.edit.y);
    exchange.Bind(ui->zEdit, &form.edit.z);

    const std::pair<QLineEdit*, float Wing::*> wingFields[] = {
        {ui->cordEdit, &Wing::cord},   {ui->coeffDownEdit, &Wing::coeffDown},
        {ui->spanEdit, &Wing::span},   {ui->coeffDragEdit, &Wing::coeffDrag},
        {ui->angleEdit, &Wing::angle}, {ui->angleOffsetEdit, &Wing::angleOffset},
        {ui->xEdit, &Wing::x},         {ui->yEdit, &Wing::y},
        {ui->zEdit, &Wing::z},
    };
    for (const auto& [edit, field] : wingFields) {
        connect(edit, &QLineEdit::textChanged, this,
                [this, edit = edit, field = field] { OnWingFieldChanged(edit, field); });
    }
    // The body values follow the typing too, so that a later push (a pick, an
    // added or deleted wing) shows what was typed instead of the old value.
    for (QLineEdit* edit : {ui->areaEdit, ui->cxEdit}) {
        connect(edit, &QLineEdit::textChanged, this,
                [this, edit] { exchange.Take(edit, TakeReason::Typing); });
    }
    connect(ui->nameEdit, &QLineEdit::textChanged, this, &AeroPage::OnNameChanged);
    // A pick is a selection, not the current row: the list makes its first
    // row current when it gets the focus by the keyboard, which picks nothing.
    connect(ui->wingList, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> picked = ui->wingList->selectedItems();
        if (!picked.isEmpty()) {
            OnWingPicked(ui->wingList->row(picked.front()));
        }
    });
    connect(ui->addWingButton, &QPushButton::clicked, this, &AeroPage::OnAddWing);
    connect(ui->deleteWingButton, &QPushButton::clicked, this, &AeroPage::OnDeleteWing);

    exchange.Push();
    ApplyEnables();
    const QString centreTip =
        KeyTip(shown + AeroForm::kCenterKey, nullptr, commented + AeroForm::kCenterKey);
    for (QLineEdit* edit : {ui->xEdit, ui->yEdit, ui->zEdit}) {
        SetKeyTip(edit, centreTip);
    }
}

AeroPage::~AeroPage() = default;

void AeroPage::FillFromTree(const ConfigTree& tree) {
    // The form returns to no wing selected, so an edit cannot land in a wing
    // of the new table that nobody picked.
    FormPage::FillFromTree(tree);
    RebuildList();
}

void AeroPage::ShowForm() {
    FormPage::ShowForm();
    RebuildList();
    SelectRow(form.selected);
}

void AeroPage::OnWingPicked(int row) {
    form.SelectWing(row);
    exchange.Push();
    ApplyEnables();
    ui->wingList->setFocus();
}

void AeroPage::OnAddWing() {
    if (!form.AddWing()) {
        return;
    }
    const QSignalBlocker blocker(ui->wingList);
    ui->wingList->addItem(DecodeBytes(form.wings.back().name));
    ui->wingList->setFocus();
    SelectRow(form.selected);
    exchange.Push();
    ApplyEnables();
}

void AeroPage::OnDeleteWing() {
    if (!form.HasSelection()) {
        return;
    }
    const int removed = form.selected;
    form.DeleteWing();
    {
        const QSignalBlocker blocker(ui->wingList);
        delete ui->wingList->takeItem(removed);
    }
    ui->wingList->setFocus();
    SelectRow(form.HasSelection() ? form.selected : -1);
    exchange.Push();
    ApplyEnables();
}

void AeroPage::OnNameChanged() {
    if (!form.HasSelection()) {
        return;
    }
    exchange.Take(ui->nameEdit, TakeReason::Typing);
    const std::string name = form.edit.name;
    form.RenameWing(name);
    if (QListWidgetItem* entry = ui->wingList->item(form.selected)) {
        const QSignalBlocker blocker(ui->wingList);
        entry->setText(ui->nameEdit->text());
    }
}

void AeroPage::OnWingFieldChanged(QLineEdit* edit, float Wing::*field) {
    // Text on its way to a number keeps the wing's last good value.
    if (exchange.Take(edit, TakeReason::Typing)) {
        form.ApplyWingField(field);
    }
}

void AeroPage::SelectRow(int row) {
    const QSignalBlocker blocker(ui->wingList);
    if (row < 0) {
        ui->wingList->setCurrentRow(-1);
        ui->wingList->clearSelection();
    } else {
        ui->wingList->setCurrentRow(row);
    }
}

void AeroPage::RebuildList() {
    const QSignalBlocker blocker(ui->wingList);
    ui->wingList->clear();
    for (const Wing& wing : form.wings) {
        ui->wingList->addItem(DecodeBytes(wing.name));
    }
}

void AeroPage::ApplyEnables() {
    const struct AeroForm::Enables enables = form.Enables();
    for (QLineEdit* edit :
         {ui->nameEdit, ui->spanEdit, ui->cordEdit, ui->coeffDownEdit, ui->coeffDragEdit, ui->xEdit,
          ui->yEdit, ui->zEdit, ui->angleEdit, ui->angleOffsetEdit}) {
        edit->setEnabled(enables.wingFields);
    }
    ui->deleteWingButton->setEnabled(enables.deleteWing);
    ui->addWingButton->setEnabled(enables.addWing);
}

}  // namespace rw
