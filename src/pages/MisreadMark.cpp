#include "pages/MisreadMark.h"

#include <QLineEdit>

#include "document/Reporter.h"
#include "tree/ConfigTree.h"
#include "tree/Numbers.h"
#include "widgets/DataExchange.h"
#include "widgets/KeyTips.h"
#include "widgets/TextCodec.h"

namespace rw {

std::optional<std::string> MisreadNumber(const ConfigTree& tree, std::string_view path,
                                         bool integer) {
    std::string written;
    if (!tree.GetString(path, written) ||
        (integer ? ParseIntStrict(written).has_value() : ParseFloatStrict(written).has_value())) {
        return std::nullopt;
    }
    return written;
}

void ShowMisread(QLineEdit* edit, const std::optional<std::string>& written, const QString& tip) {
    DataExchange::MarkMisread(edit, written.has_value());
    SetKeyTip(edit, written ? QStringLiteral("The file has \"%1\", which reads as %2.\n\n%3")
                                  .arg(DecodeBytes(Excerpt(*written)), edit->text(), tip)
                            : tip);
}

}  // namespace rw
