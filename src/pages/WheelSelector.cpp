#include "pages/WheelSelector.h"

#include <QGridLayout>
#include <QPushButton>
#include <QSignalBlocker>

#include "widgets/Look.h"

namespace rw {

namespace {

struct ButtonPlace {
    const char* text;
    const char* objectName;
    int row;
    int column;
};

// Indexed by wheel number.
constexpr std::array<ButtonPlace, kWheelCount> kButtons = {{
    {"Left Front", "leftFrontButton", 0, 0},
    {"Right Front", "rightFrontButton", 0, 1},
    {"Left Rear", "leftRearButton", 1, 0},
    {"Right Rear", "rightRearButton", 1, 1},
}};

}  // namespace

WheelSelector::WheelSelector(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
        const ButtonPlace& place = kButtons[static_cast<std::size_t>(wheel)];
        auto* button = new QPushButton(QString::fromLatin1(place.text), this);
        button->setObjectName(QString::fromLatin1(place.objectName));
        button->setCheckable(true);
        // A selector button is never the page's default button.
        button->setAutoDefault(false);
        HighlightWhenChecked(button);
        grid->addWidget(button, place.row, place.column);
        buttons[static_cast<std::size_t>(wheel)] = button;
        connect(button, &QPushButton::toggled, this, [this] { emit SelectionChanged(Mask()); });
    }
}

std::uint32_t WheelSelector::Mask() const {
    std::uint32_t mask = 0;
    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
        if (buttons[static_cast<std::size_t>(wheel)]->isChecked()) {
            mask |= WheelBit(wheel);
        }
    }
    return mask;
}

void WheelSelector::SetMask(std::uint32_t mask) {
    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
        QPushButton* button = buttons[static_cast<std::size_t>(wheel)];
        const QSignalBlocker blocker(button);
        button->setChecked(IsWheelSelected(mask, wheel));
        ShowCheckedState(button);
    }
}

}  // namespace rw
