#pragma once

#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

#include "forms/KeyTable.h"
#include "widgets/DataExchange.h"
#include "widgets/KeyTips.h"

namespace rw {

// A field of a page's .ui file names the car-file key it edits in this
// property, as its tip shows it: "engine.max_rpm", or "wheelN.mass" for a
// field that stands for every selected wheel.
inline constexpr const char* kKeyProperty = "key";
// A field with a spin button says how it steps: "min max step".
inline constexpr const char* kSpinProperty = "spin";

// The widget below `page` that names `shownPath`, or null.
QWidget* KeyedWidget(const QWidget& page, std::string_view shownPath);

// Puts a spin button beside every field below `page` that says how it steps.
void AttachNumberFields(QWidget& page);

// The keys that widgets below `page` name but that no binding took.
std::vector<std::string> UnboundKeyWidgets(const QWidget& page, const DataExchange& exchange);

// Binds a widget of whichever kind to a member of the matching type.
void BindWidget(DataExchange& exchange, QWidget* widget, std::int32_t* value);
void BindWidget(DataExchange& exchange, QWidget* widget, float* value);
void BindWidget(DataExchange& exchange, QWidget* widget, std::string* value);
void BindWidget(DataExchange& exchange, QWidget* widget, bool* value);

// Binds the widget that names `shownPath` to the key's member and gives it
// the key's tip; null when the page has no such widget.
template <typename Values>
QWidget* BindKey(DataExchange& exchange, const QWidget& page, const Key<Values>& key,
                 Values& values, const std::string& shownPath, const std::string& commentPath) {
    QWidget* widget = KeyedWidget(page, shownPath);
    if (widget == nullptr) {
        return nullptr;
    }
    std::visit(
        [&](auto member) {
            if constexpr (detail::CanBeMemberOf<Values, decltype(member)>) {
                BindWidget(exchange, widget, &(values.*member));
            }
        },
        key.member);
    SetKeyTip(widget, KeyTip(shownPath, key.unit, commentPath));
    return widget;
}

// Binds every row of a key table to the widget that names it: ticks first,
// since they never fail to take and so a field that does not parse cannot
// hold back a tick, then the fields in the table's order. Keys below a
// numbered block are named with `shownPrefix` ("aero.wingN.") and take
// their comment from below `commentPrefix` (the block's first entry).
// Returns the keys no widget names.
template <typename Values>
std::vector<std::string> BindKeys(DataExchange& exchange, const QWidget& page,
                                  KeyTable<Values> keys, Values& values,
                                  std::string_view shownPrefix = {},
                                  std::string_view commentPrefix = {}) {
    std::vector<std::string> missing;
    for (const bool ticks : {true, false}) {
        for (const Key<Values>& key : keys) {
            if ((key.Kind() == KeyKind::Flag) != ticks) {
                continue;
            }
            const std::string shown = std::string(shownPrefix) + key.path;
            if (BindKey(exchange, page, key, values, shown,
                        std::string(commentPrefix) + key.path) == nullptr) {
                missing.push_back(shown);
            }
        }
    }
    return missing;
}

}  // namespace rw
