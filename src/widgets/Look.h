#pragma once

class QAbstractButton;
class QWidget;

namespace rw {

// Shows a checked toggle button in the palette's highlight colours, so the
// pressed state stands out in light and dark themes alike; follows every
// later toggle. Call ShowCheckedState again after a change made with the
// button's signals blocked.
void HighlightWhenChecked(QAbstractButton* button);
void ShowCheckedState(QAbstractButton* button);

// Number fields (line edits whose "numberField" property is set in their
// .ui file) get the width of about ten digits instead of the row's, and the
// grids holding only them keep their columns together at the left, so a
// label stays beside its field however wide the window is.
void FitNumberFields(QWidget* root);

}  // namespace rw
