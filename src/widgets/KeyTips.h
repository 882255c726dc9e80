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

}  // namespace rw
