#include "pages/SoundsPage.h"

#include "ui_SoundsPage.h"

namespace rw {

SoundsPage::SoundsPage(SoundsForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::SoundsPage>()) {
    ui->setupUi(this);
    BindKeys();
    constexpr const char* kTitle = "Select a sound sample";
    constexpr const char* kFilter = "WAV files (*.wav)|*.wav||";
    BindPicker(ui->engineSampleEdit, ui->engineSampleButton, kTitle, kFilter);
    BindPicker(ui->skidSampleEdit, ui->skidSampleButton, kTitle, kFilter);
    exchange.Push();
}

SoundsPage::~SoundsPage() = default;

}  // namespace rw
