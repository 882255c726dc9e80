#pragma once

#include <QObject>

class QWidget;

namespace rw {

// Swallows Enter and Escape (pressed and released, with any modifier) for a
// widget and every widget below it, including ones added later, so that
// neither key closes a window or presses a button. Dialogs opened from there
// are windows of their own and keep their keys.
class EnterEscapeFilter : public QObject {
    Q_OBJECT

public:
    // Watches `root` and its descendants; owned by `root`.
    explicit EnterEscapeFilter(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch(QObject* object);

    QWidget* root;
};

}  // namespace rw
