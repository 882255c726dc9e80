#pragma once

#include <memory>
#include <vector>

#include "widgets/PageView.h"

namespace Ui {
class CalculationsPage;
}

namespace rw {

class FormSet;
class GearingModel;

// Shows the weight distribution, wheelbase and track widths, a top view of the
// car and its gearing, derived from the other pages' current values; it edits
// and stores nothing.
class CalculationsPage : public PageView {
    Q_OBJECT

public:
    // `sources` are the views whose typed values the figures must include
    // (Body, Engine, Gearbox, Driveline, Wheels, Suspension); a null entry is
    // skipped.
    CalculationsPage(FormSet& forms, std::vector<PageView*> sources, Dialogs& dialogs,
                     QWidget* parent = nullptr);
    ~CalculationsPage() override;

    void Recalculate() override;

private:
    void ShowFigures();

    std::unique_ptr<Ui::CalculationsPage> ui;
    FormSet& forms;
    std::vector<PageView*> sources;
    GearingModel* gearing;
};

}  // namespace rw
