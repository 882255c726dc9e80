#include "pages/TopView.h"

#include <QPainter>
#include <algorithm>

namespace rw {

namespace {

constexpr int kTextGap = 4;
constexpr qreal kTick = 4.0;

QString Text(const ViewLabel& label) {
    return QString::fromStdString(label.text);
}

// Draws a label's text beside its anchor, on the label's side.
void DrawLabel(QPainter& painter, QPointF anchor, const ViewLabel& label) {
    const QString text = Text(label);
    const QFontMetricsF metrics(painter.font());
    const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
    QPointF topLeft;
    switch (label.side) {
        case LabelSide::Left:
            topLeft = {anchor.x() - kTextGap - size.width(), anchor.y() - size.height() / 2};
            break;
        case LabelSide::Right:
            topLeft = {anchor.x() + kTextGap, anchor.y() - size.height() / 2};
            break;
        case LabelSide::Above:
            topLeft = {anchor.x() - size.width() / 2, anchor.y() - kTextGap - size.height()};
            break;
        case LabelSide::Below:
            topLeft = {anchor.x() - size.width() / 2, anchor.y() + kTextGap};
            break;
    }
    painter.drawText(QRectF(topLeft, size), Qt::AlignCenter, text);
}

}  // namespace

TopView::TopView(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Top view"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TopView::Show(const TopViewGeometry& geometry) {
    shown = geometry;
    setAccessibleDescription(QString::fromStdString(geometry.description));
    update();
}

QSize TopView::sizeHint() const {
    return {180, 300};
}

QSize TopView::minimumSizeHint() const {
    return {140, 160};
}

void TopView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!shown) {
        return;
    }
    const TopViewGeometry& g = *shown;

    // Room for the labels that stand outside the drawing, at most a third of
    // the width on each side.
    const QFontMetricsF metrics(font());
    qreal left = 0;
    qreal right = 0;
    const auto reserve = [&](const ViewLabel& label) {
        const qreal width = metrics.horizontalAdvance(Text(label)) + kTextGap;
        if (label.side == LabelSide::Left) {
            left = std::max(left, width);
        } else if (label.side == LabelSide::Right) {
            right = std::max(right, width);
        }
    };
    for (const WheelOutline& wheel : g.wheels) {
        reserve(wheel.label);
    }
    for (const DimensionLine& dimension : g.dimensions) {
        reserve(dimension.label);
    }
    reserve(g.cgLabel);
    const qreal margin = 6;
    left = std::min(left, width() / 3.0) + margin;
    right = std::min(right, width() / 3.0) + margin;
    const qreal vertical = metrics.height() + kTextGap + margin;
    const QRectF area(left, vertical, width() - left - right, height() - 2 * vertical);
    if (area.width() <= 0 || area.height() <= 0) {
        return;
    }

    // The geometry's extent is never zero, so the scale is finite.
    const double spanAcross = g.maximum.across - g.minimum.across;
    const double spanAlong = g.maximum.along - g.minimum.along;
    const double scale = std::min(area.width() / spanAcross, area.height() / spanAlong);
    const double originX = area.left() + (area.width() - spanAcross * scale) / 2;
    const double originY = area.top() + (area.height() - spanAlong * scale) / 2;
    const auto map = [&](ViewPoint point) {
        return QPointF(originX + (point.across - g.minimum.across) * scale,
                       originY + (g.maximum.along - point.along) * scale);
    };

    const QColor text = palette().color(QPalette::Text);
    painter.setPen(QPen(text, 1));
    painter.setBrush(palette().color(QPalette::Mid));
    for (const WheelOutline& wheel : g.wheels) {
        // A wheel without a radius still shows as a small mark.
        const QSizeF size(std::max(wheel.width * scale, 3.0), std::max(wheel.length * scale, 3.0));
        const QPointF centre = map(wheel.centre);
        painter.drawRect(QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size));
        DrawLabel(painter, map(wheel.label.at), wheel.label);
    }

    for (const DimensionLine& dimension : g.dimensions) {
        const QPointF from = map(dimension.from);
        const QPointF to = map(dimension.to);
        painter.drawLine(from, to);
        // Ticks across the line at both ends. A label beside a line marks one
        // that runs along the car, which holds for a line of no length too.
        const bool upright =
            dimension.label.side == LabelSide::Left || dimension.label.side == LabelSide::Right;
        const QPointF tick = upright ? QPointF(kTick, 0) : QPointF(0, kTick);
        painter.drawLine(from - tick, from + tick);
        painter.drawLine(to - tick, to + tick);
        DrawLabel(painter, map(dimension.label.at), dimension.label);
    }

    const QPointF cg = map(g.cg);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(cg, 5.0, 5.0);
    painter.drawLine(cg - QPointF(8, 0), cg + QPointF(8, 0));
    painter.drawLine(cg - QPointF(0, 8), cg + QPointF(0, 8));
    painter.setPen(text);
    DrawLabel(painter, map(g.cgLabel.at) + QPointF(6, 0), g.cgLabel);
}

}  // namespace rw
