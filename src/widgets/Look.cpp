#include "widgets/Look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <algorithm>

namespace rw {

void ShowCheckedState(QAbstractButton* button) {
    if (!button->isChecked()) {
        // Back to the inherited palette, which follows theme changes.
        button->setPalette(QPalette());
        return;
    }
    QPalette palette = QApplication::palette(button);
    palette.setColor(QPalette::Button, palette.color(QPalette::Highlight));
    palette.setColor(QPalette::ButtonText, palette.color(QPalette::HighlightedText));
    button->setPalette(palette);
}

void HighlightWhenChecked(QAbstractButton* button) {
    QObject::connect(button, &QAbstractButton::toggled, button,
                     [button] { ShowCheckedState(button); });
    ShowCheckedState(button);
}

void FitNumberFields(QWidget* root) {
    for (QLineEdit* edit : root->findChildren<QLineEdit*>()) {
        if (!edit->property("numberField").toBool()) {
            continue;
        }
        // QLineEdit's own hint is 17 'x' wide plus the style's frame.
        const QFontMetrics metrics = edit->fontMetrics();
        const int frame = edit->sizeHint().width() - metrics.horizontalAdvance(u'x') * 17;
        edit->setFixedWidth(frame + metrics.horizontalAdvance(u'0') * 10);
    }
    // Spare width goes to an empty stretch at the right of each row of
    // numbers; among text fields, the text fields take it.
    for (QLayout* layout : root->findChildren<QLayout*>()) {
        const QList<QLineEdit*> edits = layout->parentWidget()->findChildren<QLineEdit*>();
        if (!std::all_of(edits.begin(), edits.end(),
                         [](QLineEdit* edit) { return edit->property("numberField").toBool(); })) {
            continue;
        }
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            grid->setColumnStretch(grid->columnCount(), 1);
        } else if (auto* row = qobject_cast<QHBoxLayout*>(layout)) {
            row->addStretch(1);
        }
    }
}

}  // namespace rw
