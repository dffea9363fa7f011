// The rows of the browse window's list as a table of two columns, "Date" (with the mood
// picture) and "Title". The view asks only for the rows it shows, so the dates are written
// out as they come into sight and a long diary opens at once.
#pragma once

#include "model/browse/BrowseList.h"

#include <QAbstractTableModel>
#include <QPixmap>

#include <array>
#include <vector>

namespace windows::browse {

class BrowseModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit BrowseModel(QObject* parent = nullptr);

    void SetRows(std::vector<model::browse::BrowseRow> rows);
    const std::vector<model::browse::BrowseRow>& Rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<model::browse::BrowseRow> rows_;
    std::array<QPixmap, 10> moods_; // the mood pictures by mood number
};

// A row's date as the list writes it: short day name, comma, the locale's short date.
QString RowDateCaption(const formats::diary::DayDate& date);

} // namespace windows::browse
