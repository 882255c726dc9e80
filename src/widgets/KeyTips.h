#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <variant>

#include "forms/KeyTable.h"
#include "widgets/DataExchange.h"

class QWidget;

namespace rw {

// A field's tip: the key it shows and its unit, "engine.max_rpm (rpm)", and
// below that the template car's comment on `commentPath` (the key itself, or
// for a numbered block the same key of its first entry).
QString KeyTip(std::string_view shownPath, const char* unit, std::string_view commentPath);

// The tip becomes the field's tooltip and its accessible description, so a
// screen reader tells what the mouse shows.
void SetKeyTip(QWidget* widget, const QString& tip);

// Gives every control the exchange binds to a key of the table its key's tip.
// Keys below a numbered block show `shownPrefix` ("aero.wingN.") and take
// their comment from below `commentPrefix` (the block's first entry).
template <typename Values>
void ApplyKeyTips(const DataExchange& exchange, KeyTable<Values> keys, Values& values,
                  std::string_view shownPrefix = {}, std::string_view commentPrefix = {}) {
    for (const Key<Values>& key : keys) {
        std::visit(
            [&](auto member) {
                if constexpr (detail::CanBeMemberOf<Values, decltype(member)>) {
                    if (QWidget* widget = exchange.WidgetBoundTo(&(values.*member))) {
                        SetKeyTip(widget, KeyTip(std::string(shownPrefix) + key.path, key.unit,
                                                 std::string(commentPrefix) + key.path));
                    }
                }
            },
            key.member);
    }
}

}  // namespace rw
