#include "widgets/KeyBinding.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>

#include "widgets/NumberField.h"

namespace rw {

namespace {

QString KeyOf(const QWidget* widget) {
    return widget->property(kKeyProperty).toString();
}

}  // namespace

QWidget* KeyedWidget(const QWidget& page, std::string_view shownPath) {
    const QString wanted =
        QString::fromUtf8(shownPath.data(), static_cast<qsizetype>(shownPath.size()));
    for (QWidget* widget : page.findChildren<QWidget*>()) {
        if (KeyOf(widget) == wanted) {
            return widget;
        }
    }
    return nullptr;
}

void AttachNumberFields(QWidget& page) {
    for (QLineEdit* edit : page.findChildren<QLineEdit*>()) {
        const QStringList steps =
            edit->property(kSpinProperty).toString().split(u' ', Qt::SkipEmptyParts);
        if (steps.size() == 3) {
            AttachNumberField(edit, steps[0].toDouble(), steps[1].toDouble(), steps[2].toDouble());
        }
    }
}

std::vector<std::string> UnboundKeyWidgets(const QWidget& page, const DataExchange& exchange) {
    std::vector<std::string> unbound;
    for (const QWidget* widget : page.findChildren<QWidget*>()) {
        if (!KeyOf(widget).isEmpty() && !exchange.IsBound(widget)) {
            unbound.push_back(KeyOf(widget).toStdString());
        }
    }
    return unbound;
}

void BindWidget(DataExchange& exchange, QWidget* widget, std::int32_t* value) {
    exchange.Bind(qobject_cast<QLineEdit*>(widget), value);
}

void BindWidget(DataExchange& exchange, QWidget* widget, float* value) {
    exchange.Bind(qobject_cast<QLineEdit*>(widget), value);
}

void BindWidget(DataExchange& exchange, QWidget* widget, std::string* value) {
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        exchange.Bind(plain, value);
    } else {
        exchange.Bind(qobject_cast<QLineEdit*>(widget), value);
    }
}

void BindWidget(DataExchange& exchange, QWidget* widget, bool* value) {
    exchange.Bind(qobject_cast<QAbstractButton*>(widget), value);
}

}  // namespace rw
