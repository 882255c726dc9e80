#include "pages/SoundsPage.h"

#include "ui_SoundsPage.h"

namespace rw {

SoundsPage::SoundsPage(SoundsForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::SoundsPage>()) {
    ui->setupUi(this);
    constexpr const char* kTitle = "Select a sound sample";
    constexpr const char* kFilter = "WAV files (*.wav)|*.wav||";
    BindFile(ui->engineSampleEdit, &form.engineSample, ui->engineSampleButton, kTitle, kFilter);
    BindFile(ui->skidSampleEdit, &form.skidSample, ui->skidSampleButton, kTitle, kFilter);
    exchange.Bind(ui->sampleRpmEdit, &form.sampleRpm);
    exchange.Push();
    ShowKeyTips();
}

SoundsPage::~SoundsPage() = default;

}  // namespace rw
