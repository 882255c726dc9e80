#include "widgets/CheckedLook.h"

#include <QAbstractButton>
#include <QApplication>

namespace rw {

void ShowCheckedState(QAbstractButton* button) {
    QPalette palette = QApplication::palette(button);
    if (button->isChecked()) {
        palette.setColor(QPalette::Button, palette.color(QPalette::Highlight));
        palette.setColor(QPalette::ButtonText, palette.color(QPalette::HighlightedText));
    }
    button->setPalette(palette);
}

void HighlightWhenChecked(QAbstractButton* button) {
    QObject::connect(button, &QAbstractButton::toggled, button,
                     [button] { ShowCheckedState(button); });
    ShowCheckedState(button);
}

}  // namespace rw
