#include "pages/SoundsPage.h"

#include "ui_SoundsPage.h"
#include "widgets/Dialogs.h"

namespace rw {

SoundsPage::SoundsPage(SoundsForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::SoundsPage>()) {
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
