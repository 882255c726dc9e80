#include "widgets/NumberField.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <vector>

#include "tree/Numbers.h"
#include "widgets/DataExchange.h"

namespace rw {

NumberField::NumberField(QLineEdit* buddyEdit, QWidget* parent)
    : QWidget(parent), upButton(new QToolButton(this)), downButton(new QToolButton(this)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (QToolButton* button : {upButton, downButton}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
        button->setFixedWidth(16);
        column->addWidget(button);
    }
    upButton->setArrowType(Qt::UpArrow);
    downButton->setArrowType(Qt::DownArrow);
    upButton->setObjectName(QStringLiteral("up"));
    downButton->setObjectName(QStringLiteral("down"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(upButton, &QToolButton::clicked, this, [this] { OnDeltaPos(1); });
    connect(downButton, &QToolButton::clicked, this, [this] { OnDeltaPos(-1); });
    SetBuddy(buddyEdit);
}

void NumberField::SetBuddy(QLineEdit* edit) {
    if (buddy) {
        buddy->removeEventFilter(this);
    }
    buddy = edit;
    if (buddy) {
        buddy->installEventFilter(this);
        // As tall as the field it steps, however the layout stretches the row.
        setFixedHeight(buddy->sizeHint().height());
        setEnabled(buddy->isEnabled());
    }
}

double NumberField::GetValue() const {
    if (!buddy) {
        return 0.0;
    }
    return ParseDouble(buddy->text().toStdString());
}

void NumberField::ShowValue(double value) {
    if (buddy) {
        // Whether the field holds an integer is known once the page bound it.
        wholeNumbers = buddy->property(DataExchange::kIntegerProperty).toBool();
        buddy->setText(QString::fromStdString(FormatValue(value)));
    }
}

void NumberField::OnDeltaPos(int delta) {
    if (!buddy) {
        return;
    }
    ShowValue(Stepped(GetValue(), delta));
}

bool NumberField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy) {
        switch (event->type()) {
            case QEvent::KeyPress: {
                auto* key = static_cast<QKeyEvent*>(event);
                if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) && isEnabled() &&
                    !buddy->isReadOnly()) {
                    OnDeltaPos(key->key() == Qt::Key_Up ? 1 : -1);
                    return true;
                }
                break;
            }
            case QEvent::EnabledChange:
                setEnabled(buddy->isEnabled());
                break;
            case QEvent::ShowToParent:
                setVisible(true);
                break;
            case QEvent::HideToParent:
                setVisible(false);
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

namespace {

// The layout that directly holds `widget`, searched from `layout` down.
QLayout* HoldingLayout(QLayout* layout, QWidget* widget, int& index) {
    std::vector<QLayout*> pending{layout};
    while (!pending.empty()) {
        QLayout* current = pending.back();
        pending.pop_back();
        for (int i = 0; i < current->count(); ++i) {
            QLayoutItem* item = current->itemAt(i);
            if (item->widget() == widget) {
                index = i;
                return current;
            }
            if (QLayout* inner = item->layout()) {
                pending.push_back(inner);
            }
        }
    }
    return nullptr;
}

}  // namespace

NumberField* AttachNumberField(QLineEdit* edit, double min, double max, double step) {
    QWidget* parent = edit->parentWidget();
    auto* field = new NumberField(nullptr, parent);
    field->setObjectName(edit->objectName() + QStringLiteral("Spin"));
    field->ApplyRange(min, max, step);
    field->SetBuddy(edit);

    int index = -1;
    QLayout* layout =
        parent && parent->layout() ? HoldingLayout(parent->layout(), edit, index) : nullptr;
    if (!layout) {
        // No layout to join: sit at the edit's right edge.
        field->setGeometry(edit->geometry().right() + 1, edit->y(), 16, edit->height());
        field->setVisible(!edit->isHidden());
        return field;
    }
    auto* pair = new QHBoxLayout;
    pair->setContentsMargins(0, 0, 0, 0);
    pair->setSpacing(0);
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        Qt::Alignment alignment = grid->itemAt(index)->alignment();
        delete grid->takeAt(index);
        pair->addWidget(edit);
        pair->addWidget(field);
        grid->addLayout(pair, row, column, rowSpan, columnSpan, alignment);
    } else if (auto* form = qobject_cast<QFormLayout*>(layout)) {
        int row = 0;
        QFormLayout::ItemRole role = QFormLayout::FieldRole;
        form->getItemPosition(index, &row, &role);
        delete form->takeAt(index);
        pair->addWidget(edit);
        pair->addWidget(field);
        form->setLayout(row, role, pair);
    } else if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
        const int stretch = box->stretch(index);
        delete box->takeAt(index);
        pair->addWidget(edit);
        pair->addWidget(field);
        box->insertLayout(index, pair, stretch);
    } else {
        delete pair;
        layout->addWidget(field);
    }
    field->setVisible(!edit->isHidden());
    return field;
}

}  // namespace rw
