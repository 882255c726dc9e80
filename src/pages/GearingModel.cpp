#include "pages/GearingModel.h"

#include <QString>
#include <limits>

namespace rw {

void GearingModel::Show(const std::vector<GearRow>* shown) {
    beginResetModel();
    rows = shown;
    endResetModel();
}

int GearingModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || rows == nullptr) {
        return 0;
    }
    // The gear count is bounded far below this; the view counts in int.
    return static_cast<int>(std::min<std::size_t>(rows->size(), std::numeric_limits<int>::max()));
}

int GearingModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kGearColumnCount);
}

QVariant GearingModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || rows == nullptr) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    const std::string_view cell = (*rows)[static_cast<std::size_t>(index.row())]
                                      .Cells()[static_cast<std::size_t>(index.column())];
    return QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size()));
}

QVariant GearingModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        static_cast<std::size_t>(section) >= kGearColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const GearColumn& column = kGearColumns[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) {
        const QString title = QString::fromUtf8(column.title);
        return *column.unit == '\0' ? title : QStringLiteral("%1 (%2)").arg(title, column.unit);
    }
    if (role == Qt::ToolTipRole && *column.tip != '\0') {
        return QString::fromUtf8(column.tip);
    }
    return {};
}

}  // namespace rw
