#include "pages/SoundsPage.h"

#include "forms/SoundsForm.h"
#include "widgets/Dialogs.h"
#include "ui_SoundsPage.h"

namespace rw {

SoundsPage::SoundsPage(SoundsForm& form, Dialogs& dialogs, QWidget* parent)
    : PageView(dialogs, parent), form(form), ui(std::make_unique<Ui::SoundsPage>()) {
    ui->setupUi(this);
    exchange.Bind(ui->engineSampleEdit, &form.engineSample);
    exchange.Bind(ui->skidSampleEdit, &form.skidSample);
    exchange.Bind(ui->sampleRpmEdit, &form.sampleRpm);
    exchange.Push();
    connect(ui->engineSampleButton, &QPushButton::clicked, this,
            [this] { Pick(ui->engineSampleEdit, true); });
    connect(ui->skidSampleButton, &QPushButton::clicked, this,
            [this] { Pick(ui->skidSampleEdit, false); });
}

SoundsPage::~SoundsPage() = default;

void SoundsPage::FillFromTree(const ConfigTree& tree) {
    form.FillFromTree(tree);
    exchange.Push();
}

void SoundsPage::StoreToTree(ConfigTree& tree) {
    exchange.Take(TakeReason::Action);
    form.StoreToTree(tree);
}

void SoundsPage::Pick(QLineEdit* edit, bool engine) {
    const std::optional<std::string> chosen =
        dialogs.ChooseOpenFile("Select a sound sample", "WAV files (*.wav)|*.wav||");
    if (!chosen) {
        return;
    }
    // What was typed into the other fields since the last fill stays.
    exchange.Take(TakeReason::Action);
    if (engine) {
        form.PickEngineSample(*chosen);
    } else {
        form.PickSkidSample(*chosen);
    }
    exchange.Push(edit);
}

}  // namespace rw
