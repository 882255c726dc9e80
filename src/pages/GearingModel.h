#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "forms/Gearing.h"

namespace rw {

// The gearing table over the figures' rows, read where the view asks, so a
// gearbox of half a million gears costs no widget per cell.
class GearingModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // The rows must live until the next call.
    void Show(const std::vector<GearRow>* rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const std::vector<GearRow>* rows = nullptr;
};

}  // namespace rw
