#include "pages/CalculationsPage.h"

#include <QLabel>
#include <utility>

#include "forms/FormSet.h"
#include "ui_CalculationsPage.h"

namespace rw {

CalculationsPage::CalculationsPage(FormSet& forms, std::vector<PageView*> sources, Dialogs& dialogs,
                                   QWidget* parent)
    : PageView(dialogs, parent),
      ui(std::make_unique<Ui::CalculationsPage>()),
      forms(forms),
      sources(std::move(sources)) {
    ui->setupUi(this);
    // Empty until the first recalculation.
    ShowFigures();
}

CalculationsPage::~CalculationsPage() = default;

void CalculationsPage::Recalculate() {
    // A source field that does not parse stops that page's take; the figures
    // then use the values the page still holds (the window names the field).
    for (PageView* source : sources) {
        if (source) {
            source->TakeControls();
        }
    }
    forms.Recalculate();
    ShowFigures();
}

void CalculationsPage::ShowFigures() {
    const Calculations& figures = forms.Figures();
    ui->frontWeightDistributionValue->setText(
        QString::fromStdString(figures.frontWeightDistribution));
    ui->wheelbaseValue->setText(QString::fromStdString(figures.wheelbase));
    ui->frontTrackValue->setText(QString::fromStdString(figures.frontTrack));
    ui->rearTrackValue->setText(QString::fromStdString(figures.rearTrack));
}

}  // namespace rw
