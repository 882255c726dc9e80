#include "pages/GearboxPage.h"

#include "tree/Numbers.h"
#include "ui_GearboxPage.h"
#include "widgets/Dialogs.h"
#include "widgets/NumberField.h"

namespace rw {

GearboxPage::GearboxPage(GearboxForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::GearboxPage>()) {
    ui->setupUi(this);
    static_assert(GearboxForm::kRowCount == 7);
    ratioEdits = {ui->ratio1Edit, ui->ratio2Edit, ui->ratio3Edit, ui->ratio4Edit,
                  ui->ratio5Edit, ui->ratio6Edit, ui->ratio7Edit};
    inertiaEdits = {ui->inertia1Edit, ui->inertia2Edit, ui->inertia3Edit, ui->inertia4Edit,
                    ui->inertia5Edit, ui->inertia6Edit, ui->inertia7Edit};
    AttachNumberFields(*this);

    // The check box never fails to take, so a bad field cannot hold it back.
    exchange.Bind(ui->reverseGearCheck, &form.reverseGear);
    exchange.Bind(ui->gearCountEdit, &form.gearCount);
    for (std::size_t row = 0; row < ratioEdits.size(); ++row) {
        exchange.Bind(ratioEdits[row], &form.ratios[row]);
    }
    exchange.Bind(ui->reverseRatioEdit, &form.reverseRatio);
    for (std::size_t row = 0; row < inertiaEdits.size(); ++row) {
        exchange.Bind(inertiaEdits[row], &form.inertias[row]);
    }
    exchange.Bind(ui->reverseInertiaEdit, &form.reverseInertia);
    exchange.Push();
    findChild<NumberField*>(QStringLiteral("gearCountEditSpin"))->ShowValue(1);
    ApplyEnableRule(TakeReason::Action);

    // Typing and the spin button both change the text; a count on its way
    // to a number is not worth a prompt.
    connect(ui->gearCountEdit, &QLineEdit::textChanged, this,
            [this] { ApplyEnableRule(TakeReason::Typing); });
    connect(ui->reverseGearCheck, &QCheckBox::clicked, this,
            [this] { ApplyEnableRule(TakeReason::Action); });
    // Typing over a marked number says what is meant now.
    for (std::size_t row = 0; row <= ratioEdits.size(); ++row) {
        for (const bool ratio : {true, false}) {
            QLineEdit* edit = RowEdit(row, ratio);
            connect(edit, &QLineEdit::textEdited, this, [this, row, ratio] {
                misread[MisreadIndex(row, ratio)].reset();
                ShowRowTips();
            });
        }
    }
    connect(ui->gearCountEdit, &QLineEdit::textEdited, this, [this] {
        misreadCount.reset();
        ShowRowTips();
    });
}

QLineEdit* GearboxPage::RowEdit(std::size_t row, bool ratio) const {
    if (row == ratioEdits.size()) {
        return ratio ? ui->reverseRatioEdit : ui->reverseInertiaEdit;
    }
    return (ratio ? ratioEdits : inertiaEdits)[row];
}

std::size_t GearboxPage::MisreadIndex(std::size_t row, bool ratio) {
    return (ratio ? 0 : GearboxForm::kRowCount + 1) + row;
}

void GearboxPage::MarkMisreadFields(const ConfigTree& tree) {
    for (std::size_t row = 0; row <= ratioEdits.size(); ++row) {
        const std::string& prefix = form.ReadFrom()[row];
        for (const bool ratio : {true, false}) {
            misread[MisreadIndex(row, ratio)] =
                prefix.empty() ? std::nullopt
                               : MisreadNumber(tree, prefix + (ratio ? "ratio" : "inertia"), false);
        }
    }
    misreadCount = MisreadNumber(tree, GearboxForm::kGearCountKey, true);
    ShowRowTips();
}

GearboxPage::~GearboxPage() = default;

bool GearboxPage::TakeFields(TakeReason reason) {
    if (reason == TakeReason::Typing) {
        const std::int32_t lastGood = form.gearCount;
        if (exchange.Take(TakeReason::Typing) && form.AcceptsGearCount(form.gearCount)) {
            return true;
        }
        if (!form.AcceptsGearCount(form.gearCount)) {
            form.gearCount = lastGood;
            DataExchange::MarkInvalid(ui->gearCountEdit, true);
        }
        return false;
    }
    const std::optional<BadField> bad = TakeControls();
    if (bad) {
        DataExchange::ReportBadField(dialogs, *bad);
    }
    return !bad;
}

std::optional<BadField> GearboxPage::TakeControls() {
    // Refusing the count stops the take there, as text that does not parse
    // would: only the check box before it is taken.
    QLineEdit* edit = ui->gearCountEdit;
    const std::optional<std::int32_t> typed = ParseIntStrict(edit->text().toStdString());
    if (typed && !form.AcceptsGearCount(*typed)) {
        exchange.Take(ui->reverseGearCheck, TakeReason::Action);
        DataExchange::MarkInvalid(edit, true);
        return BadField{edit, form.GearCountPrompt()};
    }
    return exchange.TakeAll();
}

void GearboxPage::ApplyEnables() {
    const auto enables = form.Enables();
    for (std::size_t row = 0; row < ratioEdits.size(); ++row) {
        ratioEdits[row]->setEnabled(enables.rows[row]);
        inertiaEdits[row]->setEnabled(enables.rows[row]);
    }
    ui->reverseRatioEdit->setEnabled(enables.reverse);
    ui->reverseInertiaEdit->setEnabled(enables.reverse);
    ShowRowTips();
}

void GearboxPage::ShowRowTips() {
    using Gear = GearboxForm::Gear;
    // The template car comments its first gear only.
    const std::string first = GearboxForm::GearPrefix(0);
    for (const Key<Gear>& key : GearboxForm::GearKeys()) {
        const bool ratio = std::get<float Gear::*>(key.member) == &Gear::ratio;
        const std::string commented = first + key.path;
        for (std::size_t row = 0; row <= ratioEdits.size(); ++row) {
            const std::string shown =
                row == ratioEdits.size() ? commented : form.RowPrefix(row) + key.path;
            ShowMisread(RowEdit(row, ratio), misread[MisreadIndex(row, ratio)],
                        KeyTip(shown, key.unit, commented));
        }
    }
    ShowMisread(ui->gearCountEdit, misreadCount,
                KeyTip(GearboxForm::kGearCountKey, nullptr, GearboxForm::kGearCountKey));
}

}  // namespace rw
