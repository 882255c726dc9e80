#include "widgets/DataExchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVariant>
#include <limits>
#include <optional>

#include "widgets/Dialogs.h"
#include "tree/Numbers.h"

namespace rw {

namespace {

constexpr const char* kInvalidStyle = "background-color: #ffd0d0;";

std::string Utf8(const QString& text) {
    return EncodeUtf8(text);
}

bool Parses(const QString& text, bool integer) {
    const std::string bytes = Utf8(text);
    return integer ? ParseIntStrict(bytes).has_value() : ParseFloatStrict(bytes).has_value();
}

// Fields that were marked lose the mark as soon as their text parses again.
void ClearMarkWhenValid(QLineEdit* edit, bool integer) {
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, integer](const QString& text) {
        if (DataExchange::IsMarkedInvalid(edit) && Parses(text, integer)) {
            DataExchange::MarkInvalid(edit, false);
        }
    });
}

// Exclusive groups refuse to uncheck their checked button; a fill that
// selects none of them must still be shown.
void SetChecked(QAbstractButton* button, bool checked) {
    if (button->isChecked() == checked) {
        return;
    }
    if (checked) {
        button->setChecked(true);
        return;
    }
    QButtonGroup* group = button->group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (groupExclusive) {
        group->setExclusive(false);
    }
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (groupExclusive) {
        group->setExclusive(true);
    }
}

}  // namespace

void DataExchange::Bind(QLineEdit* edit, std::int32_t* value) {
    bindings.push_back({Kind::Int, edit, value, {}, {}, TextEncoding::Utf8, false});
    ClearMarkWhenValid(edit, true);
}

void DataExchange::Bind(QLineEdit* edit, float* value) {
    bindings.push_back({Kind::Float, edit, value, {}, {}, TextEncoding::Utf8, false});
    ClearMarkWhenValid(edit, false);
}

void DataExchange::Bind(QLineEdit* edit, std::string* value) {
    // Car file values may be longer than a line edit's default limit.
    edit->setMaxLength(std::numeric_limits<int>::max());
    bindings.push_back({Kind::LineText, edit, value, {}, {}, TextEncoding::Utf8, false});
}

void DataExchange::Bind(QPlainTextEdit* edit, std::string* value) {
    bindings.push_back({Kind::PlainText, edit, value, {}, {}, TextEncoding::Utf8, false});
}

void DataExchange::Bind(QAbstractButton* button, bool* value) {
    bindings.push_back({Kind::Check, button, value, {}, {}, TextEncoding::Utf8, false});
}

void DataExchange::Push() {
    // Every control is blocked for the whole push: checking one radio button
    // unchecks its neighbours, which must not notify either.
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(bindings.size() * 2);
    for (Binding& binding : bindings) {
        blockers.emplace_back(binding.widget);
        if (auto* button = qobject_cast<QAbstractButton*>(binding.widget);
            button && button->group()) {
            blockers.emplace_back(button->group());
        }
    }
    for (Binding& binding : bindings) {
        PushOne(binding);
    }
}

bool DataExchange::Push(QWidget* widget) {
    Binding* binding = Find(widget);
    if (!binding) {
        return false;
    }
    const QSignalBlocker blocker(widget);
    PushOne(*binding);
    return true;
}

void DataExchange::PushOne(Binding& binding) {
    switch (binding.kind) {
        case Kind::Int: {
            auto* edit = static_cast<QLineEdit*>(binding.widget);
            edit->setText(
                QString::fromStdString(FormatInt(*static_cast<std::int32_t*>(binding.value))));
            DataExchange::MarkInvalid(edit, false);
            break;
        }
        case Kind::Float: {
            auto* edit = static_cast<QLineEdit*>(binding.widget);
            edit->setText(
                QString::fromStdString(ShortestFloat(*static_cast<float*>(binding.value))));
            DataExchange::MarkInvalid(edit, false);
            break;
        }
        case Kind::LineText:
        case Kind::PlainText: {
            const std::string& bytes = *static_cast<std::string*>(binding.value);
            binding.encoding = DetectEncoding(bytes);
            const QString text = DecodeBytes(bytes, binding.encoding);
            if (binding.kind == Kind::LineText) {
                auto* edit = static_cast<QLineEdit*>(binding.widget);
                edit->setText(text);
                binding.shownText = edit->text();
            } else {
                auto* edit = static_cast<QPlainTextEdit*>(binding.widget);
                edit->setPlainText(text);
                binding.shownText = edit->toPlainText();
            }
            binding.shownBytes = bytes;
            binding.pushed = true;
            break;
        }
        case Kind::Check:
            SetChecked(static_cast<QAbstractButton*>(binding.widget),
                       *static_cast<bool*>(binding.value));
            break;
    }
}

bool DataExchange::Take(TakeReason reason) {
    bool allParsed = true;
    for (Binding& binding : bindings) {
        if (!TakeOne(binding, reason)) {
            allParsed = false;
            if (reason == TakeReason::Action) {
                return false;
            }
        }
    }
    return allParsed;
}

bool DataExchange::Take(QWidget* widget, TakeReason reason) {
    Binding* binding = Find(widget);
    return binding && TakeOne(*binding, reason);
}

bool DataExchange::TakeOne(Binding& binding, TakeReason reason) {
    switch (binding.kind) {
        case Kind::Int:
        case Kind::Float: {
            auto* edit = static_cast<QLineEdit*>(binding.widget);
            const std::string text = Utf8(edit->text());
            bool parsed = false;
            if (binding.kind == Kind::Int) {
                if (std::optional<std::int32_t> number = ParseIntStrict(text)) {
                    *static_cast<std::int32_t*>(binding.value) = *number;
                    parsed = true;
                }
            } else if (std::optional<float> number = ParseFloatStrict(text)) {
                *static_cast<float*>(binding.value) = *number;
                parsed = true;
            }
            DataExchange::MarkInvalid(edit, !parsed);
            if (!parsed && reason == TakeReason::Action) {
                dialogs.ShowMessage(binding.kind == Kind::Int ? "Please enter an integer."
                                                              : "Please enter a number.",
                                    kAppCaption, MessageIcon::Exclamation, MessageButtons::Ok);
                edit->setFocus(Qt::OtherFocusReason);
                edit->selectAll();
            }
            return parsed;
        }
        case Kind::LineText:
        case Kind::PlainText: {
            const QString text = binding.kind == Kind::LineText
                                     ? static_cast<QLineEdit*>(binding.widget)->text()
                                     : static_cast<QPlainTextEdit*>(binding.widget)->toPlainText();
            auto* value = static_cast<std::string*>(binding.value);
            if (binding.pushed && text == binding.shownText) {
                *value = binding.shownBytes;
            } else if (!binding.pushed) {
                binding.encoding = DetectEncoding(*value);
                if (text != DecodeBytes(*value, binding.encoding)) {
                    *value = EncodeText(text, binding.encoding);
                }
            } else {
                *value = EncodeText(text, binding.encoding);
            }
            return true;
        }
        case Kind::Check:
            *static_cast<bool*>(binding.value) =
                static_cast<QAbstractButton*>(binding.widget)->isChecked();
            return true;
    }
    return true;
}

DataExchange::Binding* DataExchange::Find(const QWidget* widget) {
    for (Binding& binding : bindings) {
        if (binding.widget == widget) {
            return &binding;
        }
    }
    return nullptr;
}

void DataExchange::MarkInvalid(QWidget* widget, bool invalid) {
    if (IsMarkedInvalid(widget) == invalid) {
        return;
    }
    widget->setProperty(kInvalidProperty, invalid);
    widget->setStyleSheet(invalid ? QString::fromLatin1(kInvalidStyle) : QString());
}

bool DataExchange::IsMarkedInvalid(const QWidget* widget) {
    return widget->property(kInvalidProperty).toBool();
}

}  // namespace rw
