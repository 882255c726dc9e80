#include "widgets/KeyTips.h"

#include <QWidget>
#include <string>

#include "document/CarDocument.h"

namespace rw {

namespace {

// Built once, on the first tip asked for.
const ConfigTree& TemplateCar() {
    static const ConfigTree car = [] {
        ConfigTree tree;
        BuildDefaultCar(tree);
        return tree;
    }();
    return car;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The comment lines the template car has right above a key, one per line,
// without their markers; empty when it has none.
std::string TemplateComment(std::string_view path) {
    const TreeNode* node = TemplateCar().Find(path);
    if (node == nullptr || node->parent == nullptr) {
        return {};
    }
    const ChildList& siblings = node->parent->children;
    std::size_t first = siblings.IndexOf(node);
    while (first > 0 && siblings[first - 1]->kind == NodeKind::Comment) {
        --first;
    }
    std::string comment;
    for (std::size_t i = first; siblings[i] != node; ++i) {
        // A comment's value keeps its marker; blank comment lines only space the file.
        const std::string_view line = Trimmed(std::string_view(siblings[i]->value).substr(1));
        if (line.empty()) {
            continue;
        }
        if (!comment.empty()) {
            comment += '\n';
        }
        comment += line;
    }
    return comment;
}

}  // namespace

QString KeyTip(std::string_view shownPath, const char* unit, std::string_view commentPath) {
    QString tip = QString::fromUtf8(shownPath.data(), static_cast<qsizetype>(shownPath.size()));
    if (unit != nullptr) {
        tip += QStringLiteral(" (%1)").arg(QString::fromUtf8(unit));
    }
    const std::string comment = TemplateComment(commentPath);
    if (!comment.empty()) {
        tip += u'\n' + QString::fromStdString(comment);
    }
    return tip;
}

void SetKeyTip(QWidget* widget, const QString& tip) {
    widget->setToolTip(tip);
    widget->setAccessibleDescription(tip);
}

}  // namespace rw
