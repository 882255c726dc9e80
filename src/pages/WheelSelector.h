#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "forms/WheelSelection.h"

class QPushButton;

namespace rw {

// Four push-like toggle buttons choosing any set of the four wheels, in two
// rows: "Left Front" and "Right Front" above "Left Rear" and "Right Rear".
// The selection is a mask of WheelBit(wheel).
class WheelSelector : public QWidget {
    Q_OBJECT

public:
    explicit WheelSelector(QWidget* parent = nullptr);

    std::uint32_t Mask() const;
    // Presses the buttons of `mask` without announcing a change.
    void SetMask(std::uint32_t mask);
    QPushButton* Button(int wheel) const { return buttons[static_cast<std::size_t>(wheel)]; }

signals:
    // After the user pressed or released a button.
    void SelectionChanged(std::uint32_t mask);

private:
    std::array<QPushButton*, kWheelCount> buttons{};
};

}  // namespace rw
