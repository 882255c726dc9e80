#include "widgets/DataExchange.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVariant>
#include <algorithm>
#include <limits>
#include <type_traits>
#include <utility>

#include "document/Reporter.h"
#include "tree/Numbers.h"
#include "widgets/Dialogs.h"

namespace rw {

namespace {

// Dark text on a light red ground with a red frame: as plain on a dark
// palette as on a light one.
constexpr const char* kInvalidStyle =
    "background-color: #ffc8c8; color: #000000; border: 1px solid #c00000;";

template <typename Number>
std::optional<Number> ParseNumber(const QString& text) {
    const std::string bytes = EncodeUtf8(text);
    if constexpr (std::is_same_v<Number, std::int32_t>) {
        return ParseIntStrict(bytes);
    } else {
        return ParseFloatStrict(bytes);
    }
}

std::string FormatNumber(std::int32_t number) {
    return FormatInt(number);
}

std::string FormatNumber(float number) {
    return ShortestFloat(number);
}

template <typename Number>
constexpr const char* kPrompt =
    std::is_same_v<Number, std::int32_t> ? "Please enter an integer." : "Please enter a number.";

// The reader takes a line holding "~" for an inheritance line, so such a
// value would come back as something else.
bool CannotHold(std::string_view bytes) {
    return bytes.find('~') != std::string_view::npos;
}

// Longer values are no text to edit in a field, and laying one of a hundred
// megabytes out takes gigabytes: the field shows its beginning, read-only,
// and gives back every byte of it.
constexpr std::size_t kLongestEditable = std::size_t{64} << 10;

QString ShownText(const std::string& bytes, TextEncoding encoding) {
    if (bytes.size() <= kLongestEditable) {
        return DecodeBytes(bytes, encoding);
    }
    return DecodeBytes(Excerpt(bytes), encoding) +
           QStringLiteral(" (%1 bytes, too long to edit here)").arg(bytes.size());
}

QString TextOf(const QLineEdit* edit) {
    return edit->text();
}

QString TextOf(const QPlainTextEdit* edit) {
    return edit->toPlainText();
}

void SetTextOf(QLineEdit* edit, const QString& text) {
    edit->setText(text);
}

void SetTextOf(QPlainTextEdit* edit, const QString& text) {
    edit->setPlainText(text);
}

}  // namespace

template <typename Number>
void DataExchange::BindNumber(QLineEdit* edit, Number* value) {
    bindings.emplace_back(std::in_place_type<NumberBinding<Number>>, edit, value);
    edit->setProperty(kIntegerProperty, std::is_same_v<Number, std::int32_t>);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) {
        MarkInvalid(edit, !ParseNumber<Number>(text).has_value());
    });
}

void DataExchange::Bind(QLineEdit* edit, std::int32_t* value) {
    BindNumber(edit, value);
}

void DataExchange::Bind(QLineEdit* edit, float* value) {
    BindNumber(edit, value);
}

void DataExchange::Bind(QLineEdit* edit, std::string* value) {
    // Car file values may be longer than a line edit's default limit.
    edit->setMaxLength(std::numeric_limits<int>::max());
    bindings.emplace_back(std::in_place_type<TextBinding<QLineEdit>>, edit, value);
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [edit](const QString& text) { MarkInvalid(edit, text.contains(u'~')); });
}

void DataExchange::Bind(QPlainTextEdit* edit, std::string* value) {
    bindings.emplace_back(std::in_place_type<TextBinding<QPlainTextEdit>>, edit, value);
}

void DataExchange::Bind(QAbstractButton* button, bool* value) {
    bindings.emplace_back(std::in_place_type<CheckBinding>, button, value);
}

QWidget* DataExchange::WidgetOf(const Binding& binding) {
    return std::visit([](const auto& bound) -> QWidget* { return bound.widget; }, binding);
}

QWidget* DataExchange::WidgetBoundTo(const void* value) const {
    for (const Binding& binding : bindings) {
        const void* bound =
            std::visit([](const auto& each) -> const void* { return each.value; }, binding);
        if (bound == value) {
            return WidgetOf(binding);
        }
    }
    return nullptr;
}

void DataExchange::Push() {
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(bindings.size());
    for (const Binding& binding : bindings) {
        blockers.emplace_back(WidgetOf(binding));
    }
    for (Binding& binding : bindings) {
        std::visit([](auto& bound) { PushOne(bound); }, binding);
    }
}

bool DataExchange::Push(QWidget* widget) {
    Binding* binding = Find(widget);
    if (!binding) {
        return false;
    }
    const QSignalBlocker blocker(widget);
    std::visit([](auto& bound) { PushOne(bound); }, *binding);
    return true;
}

template <typename Number>
void DataExchange::PushOne(NumberBinding<Number>& binding) {
    binding.widget->setText(QString::fromStdString(FormatNumber(*binding.value)));
    MarkInvalid(binding.widget, false);
}

template <typename Edit>
void DataExchange::PushOne(TextBinding<Edit>& binding) {
    const std::string& bytes = *binding.value;
    binding.encoding = DetectEncoding(bytes);
    binding.widget->setReadOnly(bytes.size() > kLongestEditable);
    SetTextOf(binding.widget, ShownText(bytes, binding.encoding));
    binding.shownText = TextOf(binding.widget);
    binding.shownBytes = bytes;
    binding.pushed = true;
}

void DataExchange::PushOne(CheckBinding& binding) {
    binding.widget->setChecked(*binding.value);
}

std::optional<BadField> DataExchange::TakeAll() {
    for (Binding& binding : bindings) {
        if (std::optional<BadField> bad = TakeOne(binding)) {
            return bad;
        }
    }
    return std::nullopt;
}

bool DataExchange::Take(TakeReason reason) {
    if (reason == TakeReason::Action) {
        std::optional<BadField> bad = TakeAll();
        if (bad) {
            ReportBadField(dialogs, *bad);
        }
        return !bad;
    }
    bool allParsed = true;
    for (Binding& binding : bindings) {
        allParsed = !TakeOne(binding) && allParsed;
    }
    return allParsed;
}

bool DataExchange::Take(QWidget* widget, TakeReason /*reason*/) {
    Binding* binding = Find(widget);
    return binding && !TakeOne(*binding);
}

std::optional<BadField> DataExchange::TakeOne(Binding& binding) {
    return std::visit([](auto& bound) { return TakeOne(bound); }, binding);
}

template <typename Number>
std::optional<BadField> DataExchange::TakeOne(NumberBinding<Number>& binding) {
    const std::optional<Number> number = ParseNumber<Number>(binding.widget->text());
    MarkInvalid(binding.widget, !number);
    if (!number) {
        return BadField{binding.widget, kPrompt<Number>};
    }
    *binding.value = *number;
    return std::nullopt;
}

template <typename Edit>
std::optional<BadField> DataExchange::TakeOne(TextBinding<Edit>& binding) {
    const QString text = TextOf(binding.widget);
    std::string taken = *binding.value;
    if (binding.pushed && text == binding.shownText) {
        taken = binding.shownBytes;
    } else if (!binding.pushed) {
        binding.encoding = DetectEncoding(taken);
        if (text != DecodeBytes(taken, binding.encoding)) {
            taken = EncodeText(text, binding.encoding);
        }
    } else {
        taken = EncodeText(text, binding.encoding);
    }
    if (CannotHold(taken)) {
        MarkInvalid(binding.widget, true);
        return BadField{binding.widget, kCannotHoldTilde};
    }
    *binding.value = std::move(taken);
    return std::nullopt;
}

std::optional<BadField> DataExchange::TakeOne(CheckBinding& binding) {
    *binding.value = binding.widget->isChecked();
    return std::nullopt;
}

DataExchange::Binding* DataExchange::Find(const QWidget* widget) {
    return const_cast<Binding*>(std::as_const(*this).Find(widget));
}

const DataExchange::Binding* DataExchange::Find(const QWidget* widget) const {
    for (const Binding& binding : bindings) {
        if (WidgetOf(binding) == widget) {
            return &binding;
        }
    }
    return nullptr;
}

bool DataExchange::IsBound(const QWidget* widget) const {
    return Find(widget) != nullptr;
}

bool DataExchange::Assign(QWidget* widget, std::string bytes) {
    Binding* binding = Find(widget);
    auto* text = binding ? std::get_if<TextBinding<QLineEdit>>(binding) : nullptr;
    if (text == nullptr || CannotHold(bytes)) {
        return false;
    }
    *text->value = std::move(bytes);
    return Push(widget);
}

std::string DataExchange::BadFieldText(const BadField& bad, const QWidget* page) {
    if (!page) {
        return bad.prompt;
    }
    const QList<QLabel*> labels = page->findChildren<QLabel*>();
    const auto buddy = std::find_if(labels.begin(), labels.end(), [&](const QLabel* label) {
        return label->buddy() == bad.widget;
    });
    const QGroupBox* group = nullptr;
    for (QWidget* parent = bad.widget->parentWidget(); parent && !group;
         parent = parent->parentWidget()) {
        group = qobject_cast<const QGroupBox*>(parent);
    }
    const auto quoted = [](QString text) {
        return QLatin1Char('"') + text.remove(QLatin1Char('&')).trimmed() + QLatin1Char('"');
    };
    QString where;
    if (buddy != labels.end()) {
        where = quoted((*buddy)->text());
        const auto sameText = [&](const QLabel* label) {
            return label->text() == (*buddy)->text();
        };
        if (group && std::count_if(labels.begin(), labels.end(), sameText) > 1) {
            where += QStringLiteral(" in ") + quoted(group->title());
        }
    } else if (group) {
        where = quoted(group->title());
    } else {
        return bad.prompt;
    }
    QString text = QStringLiteral("\n\nField ") + where;
    if (!page->windowTitle().isEmpty()) {
        text += QStringLiteral(" on the %1 page").arg(page->windowTitle());
    }
    return bad.prompt + EncodeUtf8(text) + ".";
}

void DataExchange::ReportBadField(Dialogs& dialogs, const BadField& bad, const QWidget* page) {
    bad.widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(bad.widget)) {
        edit->selectAll();
    }
    dialogs.ShowMessage(BadFieldText(bad, page), kAppCaption, MessageIcon::Exclamation,
                        MessageButtons::Ok);
}

namespace {

void ShowMarks(QWidget* widget) {
    const bool marked = DataExchange::IsMarkedInvalid(widget) ||
                        widget->property(DataExchange::kMisreadProperty).toBool();
    widget->setStyleSheet(marked ? QString::fromLatin1(kInvalidStyle) : QString());
}

}  // namespace

void DataExchange::MarkInvalid(QWidget* widget, bool invalid) {
    if (IsMarkedInvalid(widget) == invalid) {
        return;
    }
    widget->setProperty(kInvalidProperty, invalid);
    ShowMarks(widget);
}

void DataExchange::MarkMisread(QWidget* widget, bool misread) {
    widget->setProperty(kMisreadProperty, misread);
    ShowMarks(widget);
}

bool DataExchange::IsMarkedInvalid(const QWidget* widget) {
    return widget->property(kInvalidProperty).toBool();
}

}  // namespace rw
