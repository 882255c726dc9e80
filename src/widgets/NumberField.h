#pragma once

#include <QWidget>

#include "widgets/NumberFieldRules.h"

class QLineEdit;
class QToolButton;

namespace rw {

// A small spin button beside its buddy line edit. It reads the buddy's text
// only when an arrow is pressed (button or the Up/Down key in the buddy),
// steps it by the rules and writes the new text back. It follows the buddy's
// enabled and visible state.
class NumberField : public QWidget, public NumberFieldRules {
    Q_OBJECT

public:
    explicit NumberField(QLineEdit* buddy = nullptr, QWidget* parent = nullptr);

    void SetBuddy(QLineEdit* edit);
    QLineEdit* Buddy() const { return buddy; }

    // The buddy's number as atof would read it; 0 without a buddy.
    double GetValue() const;
    void ShowValue(double value);
    // One arrow press of `delta` steps.
    void OnDeltaPos(int delta);

    QToolButton* UpButton() const { return upButton; }
    QToolButton* DownButton() const { return downButton; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* buddy = nullptr;
    QToolButton* upButton;
    QToolButton* downButton;
};

// Puts a number field right of `edit`, in the layout cell the edit had, and
// sets its range. The field's object name is the edit's followed by "Spin".
NumberField* AttachNumberField(QLineEdit* edit, double min, double max, double step);

}  // namespace rw
