#include "windows/browse/BrowseModel.h"

#include "base/dates/CalendarDate.h"
#include "windows/picker/MoodPictures.h"
#include "platform/locale/Locale.h"
#include "platform/locale/QtText.h"

using base::dates::DayOfWeek;
using formats::diary::DayDate;
using model::browse::BrowseRow;
using platform::locale::FormatShortDate;
using platform::locale::FromDiaryText;
using platform::locale::ShortDayName;
using windows::picker::MoodIcons;

namespace windows::browse {

BrowseModel::BrowseModel(QObject* parent) : QAbstractTableModel(parent)
{
    const QList<QPixmap> icons = MoodIcons();
    for (size_t mood = 0; mood < moods_.size(); ++mood)
        moods_[mood] = icons.value(static_cast<int>(mood));
}

void BrowseModel::SetRows(std::vector<BrowseRow> rows)
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
    const BrowseRow& row = rows_[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole)
        return index.column() == 0 ? RowDateCaption(row.Date) : FromDiaryText(row.Title);
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
    return ShortDayName(DayOfWeek(date.Year, date.Month, date.Day)) + QStringLiteral(", ") +
           FormatShortDate(date.Year, date.Month, date.Day);
}

} // namespace windows::browse
