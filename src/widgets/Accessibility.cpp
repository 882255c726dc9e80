#include "widgets/Accessibility.h"

#include <QAccessible>
#include <QLineEdit>
#include <QToolButton>

#include "widgets/NumberField.h"

namespace rw {

void NameStepArrows(QWidget* root) {
    for (NumberField* field : root->findChildren<NumberField*>()) {
        QAccessibleInterface* buddy =
            field->Buddy() ? QAccessible::queryAccessibleInterface(field->Buddy()) : nullptr;
        if (!buddy) {
            continue;
        }
        // The field's name comes from its label, as "Max RPM:".
        QString name = buddy->text(QAccessible::Name).remove(u'&').trimmed();
        if (name.endsWith(u':')) {
            name.chop(1);
        }
        field->UpButton()->setAccessibleName(QStringLiteral("Increase ") + name);
        field->DownButton()->setAccessibleName(QStringLiteral("Decrease ") + name);
    }
}

}  // namespace rw
