#pragma once

#include <QString>
#include <cstdint>
#include <string>
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

// Moves values between a page's controls and the members they are bound to,
// in the order of binding (the page's exchange order).
class DataExchange {
public:
    // Set (true) on a field whose text does not parse; its style marks it.
    static constexpr const char* kInvalidProperty = "invalidInput";

    explicit DataExchange(Dialogs& dialogs) : dialogs(dialogs) {}
    DataExchange(const DataExchange&) = delete;
    DataExchange& operator=(const DataExchange&) = delete;

    void Bind(QLineEdit* edit, std::int32_t* value);
    void Bind(QLineEdit* edit, float* value);
    void Bind(QLineEdit* edit, std::string* value);
    void Bind(QPlainTextEdit* edit, std::string* value);
    // A check box or radio button.
    void Bind(QAbstractButton* button, bool* value);

    // Members to controls, with the controls' change signals blocked.
    void Push();
    // One bound control; false when the widget is not bound.
    bool Push(QWidget* widget);

    // Controls to members, in order. With TakeReason::Action the first field
    // that does not parse stops the take with a prompt and gets the focus;
    // earlier fields keep their new values, later ones their old. With
    // TakeReason::Typing a field that does not parse keeps its last good
    // value and is marked, and the take goes on. True when every field parsed.
    bool Take(TakeReason reason);
    // One bound control; false when it does not parse or is not bound.
    bool Take(QWidget* widget, TakeReason reason);

    // Marks a field whose text is not acceptable, or clears the mark; the
    // mark clears by itself once the field's text parses again.
    static void MarkInvalid(QWidget* widget, bool invalid);
    static bool IsMarkedInvalid(const QWidget* widget);

private:
    enum class Kind { Int, Float, LineText, PlainText, Check };
    struct Binding {
        Kind kind;
        QWidget* widget;
        void* value;
        // Texts: what the last push showed and the bytes behind it, so that
        // an untouched field gives back exactly the bytes it got.
        QString shownText;
        std::string shownBytes;
        TextEncoding encoding = TextEncoding::Utf8;
        bool pushed = false;
    };

    void PushOne(Binding& binding);
    bool TakeOne(Binding& binding, TakeReason reason);
    Binding* Find(const QWidget* widget);

    Dialogs& dialogs;
    std::vector<Binding> bindings;
};

}  // namespace rw
