#include "widgets/EnterEscapeFilter.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QWidget>

namespace rw {

EnterEscapeFilter::EnterEscapeFilter(QWidget* rootWidget) : QObject(rootWidget), root(rootWidget) {
    Watch(root);
    for (QObject* child : root->findChildren<QObject*>()) {
        Watch(child);
    }
}

void EnterEscapeFilter::Watch(QObject* object) {
    if (object != this) {
        object->installEventFilter(this);
    }
}

bool EnterEscapeFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ChildAdded: {
            // A widget built later (a row added by code, a picker) is covered
            // too; its own children announce themselves the same way.
            QObject* child = static_cast<QChildEvent*>(event)->child();
            Watch(child);
            for (QObject* grandchild : child->findChildren<QObject*>()) {
                Watch(grandchild);
            }
            break;
        }
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape) {
                break;
            }
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->window() == root->window()) {
                event->accept();
                return true;
            }
            break;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rw
