#include "browse/BrowseModel.h"

#include "base/CalendarDate.h"
#include "picker/MoodPictures.h"
#include "platform/Locale.h"
#include "platform/QtText.h"

TBrowseModel::TBrowseModel(QObject* parent) : QAbstractTableModel(parent)
{
    const QList<QPixmap> icons = picker::MoodIcons();
    for (size_t mood = 0; mood < moods_.size(); ++mood)
        moods_[mood] = icons.value(static_cast<int>(mood));
}

void TBrowseModel::SetRows(std::vector<browse::TBrowseRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int TBrowseModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TBrowseModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant TBrowseModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const browse::TBrowseRow& row = rows_[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole)
        return index.column() == 0 ? RowDateCaption(row.Date) : platform::FromDiaryText(row.Title);
    if (role == Qt::DecorationRole && index.column() == 0 && row.Mood >= 0)
        return moods_[static_cast<size_t>(row.Mood)];
    return {};
}

QVariant TBrowseModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? QStringLiteral("Date") : QStringLiteral("Title");
}

QString RowDateCaption(const TDayDate& date)
{
    return platform::ShortDayName(calendar::DayOfWeek(date.Year, date.Month, date.Day)) +
           QStringLiteral(", ") + platform::FormatShortDate(date.Year, date.Month, date.Day);
}
