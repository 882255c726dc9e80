#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "widgets/TextCodec.h"

class QAbstractButton;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace rw {

class Dialogs;

// Why values are taken from the controls. A take while the user types never
// interrupts with a prompt; the next take for an action does.
enum class TakeReason { Action, Typing };

// A field whose text the take could not accept: the first one it met.
struct BadField {
    QWidget* widget = nullptr;
    // What is wrong, in the words of the prompt: "Please enter a number.".
    std::string prompt;
};

// Moves values between a page's controls and the members they are bound to,
// in the order of binding (the page's exchange order).
class DataExchange {
public:
    // Set (true) on a field whose text does not parse; its style marks it.
    static constexpr const char* kInvalidProperty = "invalidInput";
    // Set (true) on a field bound to an integer, so that its spin button
    // writes whole numbers only.
    static constexpr const char* kIntegerProperty = "integerField";
    // What a text field holding "~" is told: the file cannot keep it.
    static constexpr const char* kCannotHoldTilde = "The car file cannot hold \"~\" in a value.";

    explicit DataExchange(Dialogs& dialogs) : dialogs(dialogs) {}
    DataExchange(const DataExchange&) = delete;
    DataExchange& operator=(const DataExchange&) = delete;

    // A number field is marked while its text does not parse.
    void Bind(QLineEdit* edit, std::int32_t* value);
    void Bind(QLineEdit* edit, float* value);
    void Bind(QLineEdit* edit, std::string* value);
    void Bind(QPlainTextEdit* edit, std::string* value);
    // A check box.
    void Bind(QAbstractButton* button, bool* value);

    // Members to controls, with the controls' change signals blocked.
    void Push();
    // One bound control; false when the widget is not bound.
    bool Push(QWidget* widget);

    // Controls to members, in order, up to the first field whose text does
    // not parse (an integer beyond 32 bits and a real beyond the float range
    // do not parse either). That field is marked and returned without a
    // prompt; earlier fields keep their new values, later ones their old.
    std::optional<BadField> TakeAll();
    // TakeReason::Action: TakeAll, and a bad field gets the focus and the
    // prompt (the user is on its page). TakeReason::Typing: a field that does
    // not parse keeps its last good value and is marked, and the take goes
    // on. True when every field parsed.
    bool Take(TakeReason reason);
    // One bound control, never with a prompt; false when it does not parse
    // or is not bound.
    bool Take(QWidget* widget, TakeReason reason);

    // Gives the field the focus with its text selected and says in one box
    // what is wrong and, given the field's page, where.
    static void ReportBadField(Dialogs& dialogs, const BadField& bad,
                               const QWidget* page = nullptr);
    // The box's text: the prompt, and with a page the field's label and the
    // page's window title: `Please enter a number.` and `Field "Mass:" on
    // the Body page.` A label the page shows twice ("x:") is told apart by
    // its group; a field without a label is named by its group.
    static std::string BadFieldText(const BadField& bad, const QWidget* page);

    // The control bound to a member, or null when none is.
    QWidget* WidgetBoundTo(const void* value) const;
    bool IsBound(const QWidget* widget) const;
    // Gives a text field's member these bytes and shows them, as if the
    // user had typed them, without going through the field's encoding.
    // False, and nothing changes, for bytes the car file cannot hold.
    bool Assign(QWidget* widget, std::string bytes);

    // Marks a field whose text is not acceptable, or clears the mark.
    static void MarkInvalid(QWidget* widget, bool invalid);
    // Marks, the same way, a field whose file text read as another number
    // than it says; the mark stays until the field is filled or edited.
    static constexpr const char* kMisreadProperty = "misread";
    static void MarkMisread(QWidget* widget, bool misread);
    static bool IsMarkedInvalid(const QWidget* widget);

private:
    template <typename Number>
    struct NumberBinding {
        NumberBinding(QLineEdit* widget, Number* value) : widget(widget), value(value) {}
        QLineEdit* widget;
        Number* value;
    };
    template <typename Edit>
    struct TextBinding {
        TextBinding(Edit* widget, std::string* value) : widget(widget), value(value) {}
        Edit* widget;
        std::string* value;
        // What the last push showed and the bytes behind it, so that an
        // untouched field gives back exactly the bytes it got.
        QString shownText;
        std::string shownBytes;
        TextEncoding encoding = TextEncoding::Utf8;
        bool pushed = false;
    };
    struct CheckBinding {
        CheckBinding(QAbstractButton* widget, bool* value) : widget(widget), value(value) {}
        QAbstractButton* widget;
        bool* value;
    };
    using Binding = std::variant<NumberBinding<std::int32_t>, NumberBinding<float>,
                                 TextBinding<QLineEdit>, TextBinding<QPlainTextEdit>, CheckBinding>;

    template <typename Number>
    void BindNumber(QLineEdit* edit, Number* value);
    template <typename Number>
    static void PushOne(NumberBinding<Number>& binding);
    template <typename Edit>
    static void PushOne(TextBinding<Edit>& binding);
    static void PushOne(CheckBinding& binding);
    template <typename Number>
    static std::optional<BadField> TakeOne(NumberBinding<Number>& binding);
    template <typename Edit>
    static std::optional<BadField> TakeOne(TextBinding<Edit>& binding);
    static std::optional<BadField> TakeOne(CheckBinding& binding);
    static std::optional<BadField> TakeOne(Binding& binding);
    static QWidget* WidgetOf(const Binding& binding);
    Binding* Find(const QWidget* widget);
    const Binding* Find(const QWidget* widget) const;

    Dialogs& dialogs;
    std::vector<Binding> bindings;
};

}  // namespace rw
