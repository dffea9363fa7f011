#include "windows/browse/BrowseModel.h"

#include "base/dates/CalendarDate.h"
#include "windows/picker/MoodPictures.h"
#include "platform/locale/Locale.h"
#include "platform/locale/QtText.h"

BrowseModel::BrowseModel(QObject* parent) : QAbstractTableModel(parent)
{
    const QList<QPixmap> icons = picker::MoodIcons();
    for (size_t mood = 0; mood < moods_.size(); ++mood)
        moods_[mood] = icons.value(static_cast<int>(mood));
}

void BrowseModel::SetRows(std::vector<browse::BrowseRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int BrowseModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int BrowseModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant BrowseModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const browse::BrowseRow& row = rows_[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole)
        return index.column() == 0 ? RowDateCaption(row.Date) : platform::FromDiaryText(row.Title);
    if (role == Qt::DecorationRole && index.column() == 0 && row.Mood >= 0)
        return moods_[static_cast<size_t>(row.Mood)];
    return {};
}

QVariant BrowseModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? QStringLiteral("Date") : QStringLiteral("Title");
}

QString RowDateCaption(const DayDate& date)
{
    return platform::ShortDayName(calendar::DayOfWeek(date.Year, date.Month, date.Day)) +
           QStringLiteral(", ") + platform::FormatShortDate(date.Year, date.Month, date.Day);
}
