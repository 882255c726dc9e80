#pragma once

#include <QWidget>
#include <optional>

#include "forms/TopViewGeometry.h"

namespace rw {

// The car seen from above, scaled to fit the widget; the geometry comes
// ready-made in metres and is only mapped to pixels here.
class TopView : public QWidget {
    Q_OBJECT

public:
    explicit TopView(QWidget* parent = nullptr);

    // Draws this geometry from now on; before the first call nothing is drawn.
    void Show(const TopViewGeometry& geometry);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<TopViewGeometry> shown;
};

}  // namespace rw
