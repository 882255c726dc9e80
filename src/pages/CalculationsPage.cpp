#include "pages/CalculationsPage.h"

#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTableView>
#include <tuple>
#include <utility>

#include "forms/FormSet.h"
#include "pages/GearingModel.h"
#include "pages/TopView.h"
#include "ui_CalculationsPage.h"

namespace rw {

CalculationsPage::CalculationsPage(FormSet& forms, std::vector<PageView*> sources, Dialogs& dialogs,
                                   QWidget* parent)
    : PageView(dialogs, parent),
      ui(std::make_unique<Ui::CalculationsPage>()),
      forms(forms),
      sources(std::move(sources)) {
    ui->setupUi(this);
    gearing = new GearingModel(this);
    ui->gearingTable->setModel(gearing);
    // Every column as wide as its contents, and the table as wide as its
    // columns: the spare width goes to the drawing, never a scroll bar.
    QHeaderView* header = ui->gearingTable->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setStretchLastSection(false);
    ui->gearingTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->gearingTable->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
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
    forms.Figures().Recalculate(forms);
    ShowFigures();
    ui->topView->Show(forms.Figures().topView);
}

void CalculationsPage::ShowFigures() {
    const Calculations& figures = forms.Figures();
    const std::tuple<QLabel*, QLabel*, const std::string&> shown[] = {
        {ui->frontWeightDistributionLabel, ui->frontWeightDistributionValue,
         figures.frontWeightDistribution},
        {ui->wheelbaseLabel, ui->wheelbaseValue, figures.wheelbase},
        {ui->frontTrackLabel, ui->frontTrackValue, figures.frontTrack},
        {ui->rearTrackLabel, ui->rearTrackValue, figures.rearTrack},
    };
    for (const auto& [caption, value, text] : shown) {
        value->setText(QString::fromStdString(text));
        // A screen reader hears caption and figure together.
        value->setAccessibleName((caption->text() + u' ' + value->text()).trimmed());
    }

    gearing->Show(&figures.gearing);
    QTableView* table = ui->gearingTable;
    table->resizeColumnsToContents();
    // Room for a vertical scroll bar always, so that many gears hide no column.
    table->setFixedWidth(table->horizontalHeader()->length() + 2 * table->frameWidth() +
                         table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table));
}

}  // namespace rw
