#pragma once

class QAbstractButton;

namespace rw {

// Shows a checked toggle button in the palette's highlight colours, so the
// pressed state stands out in light and dark themes alike; follows every
// later toggle. Call ShowCheckedState again after a change made with the
// button's signals blocked.
void HighlightWhenChecked(QAbstractButton* button);
void ShowCheckedState(QAbstractButton* button);

}  // namespace rw
