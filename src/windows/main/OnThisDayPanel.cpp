#include "windows/main/OnThisDayPanel.h"

#include "windows/picker/MoodPictures.h"
#include "widgets/controls/Fonts.h"
#include "widgets/controls/QtColors.h"
#include "widgets/controls/ShadowLabel.h"
#include "platform/locale/QtText.h"

#include <QAbstractButton>
#include <QPainter>

using base::dates::Date;
using model::look::RGBColor;
using model::onthisday::EarlierEntries;
using model::onthisday::EarlierEntry;
using model::onthisday::MaxListedEntries;
using platform::locale::FromDiaryText;
using widgets::controls::ArialPixels;
using widgets::controls::HorizontalAlignment;
using widgets::controls::SetFontColor;
using widgets::controls::ShadowLabel;
using windows::picker::MoodIcons;

namespace windows::main {

namespace {

const QColor TextColour(255, 255, 255);
const QColor ShadowColour(64, 0, 0); // the date label's
constexpr int HeadingHeight = 19;
constexpr int LineHeight = 20;
constexpr int IconSize = 18;

// One entry: its mood's small picture and "year · title", drawn as the date label draws.
class EntryLine : public QAbstractButton {
public:
    explicit EntryLine(QWidget* parent) : QAbstractButton(parent)
    {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::TabFocus); // reached with Tab, pressed with Space; a click keeps the focus where it is
        setFont(ArialPixels(12));
        setAccessibleName(QStringLiteral("An earlier entry of this day"));
    }

    void SetEntry(const QString& caption, const QPixmap& icon)
    {
        setText(caption);
        setAccessibleName(caption);
        icon_ = icon;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const int top = (height() - IconSize) / 2;
        painter.drawPixmap(QRect(0, top, IconSize, IconSize), icon_);
        const QRect textArea = rect().adjusted(IconSize + 4, 0, -1, -1);
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, textArea.width());
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        painter.setPen(ShadowColour);
        painter.drawText(textArea.translated(1, 1), flags, shown);
        painter.setPen(TextColour);
        painter.drawText(textArea, flags, shown);
        if (hasFocus()) {
            painter.setPen(QPen(TextColour, 1, Qt::DotLine));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

private:
    QPixmap icon_;
};

ShadowLabel* MakeLabel(QWidget* parent, const QFont& font)
{
    auto* label = new ShadowLabel(parent);
    label->setFont(font);
    label->SetAlignment(HorizontalAlignment::Left);
    label->SetShadowColor(RGBColor(64, 0, 0));
    SetFontColor(*label, TextColour);
    return label;
}

QString Caption(const EarlierEntry& entry)
{
    const QString title = entry.Title.empty() ? QObject::tr("Untitled day") : FromDiaryText(entry.Title);
    return QStringLiteral("%1 \u00B7 %2").arg(entry.Date.Year).arg(title);
}

} // namespace

OnThisDayPanel::OnThisDayPanel(QWidget* parent) : QWidget(parent), moodIcons_(MoodIcons())
{
    headingLabel_ = MakeLabel(this, ArialPixels(13, true));
    headingLabel_->setObjectName("onThisDayHeading");
    headingLabel_->SetCaption(tr("On this day"));
    for (size_t i = 0; i < MaxListedEntries; ++i) {
        auto* line = new EntryLine(this);
        line->setObjectName(QStringLiteral("onThisDayLine%1").arg(i + 1));
        connect(line, &QAbstractButton::clicked, this, [this, i] {
            if (OnDayChosen && i < dates_.size())
                OnDayChosen(dates_[i]);
        });
        lineButtons_.push_back(line);
    }
    moreLabel_ = MakeLabel(this, ArialPixels(11));
    moreLabel_->setObjectName("onThisDayMore");
    setAccessibleName(tr("On this day"));
    hide();
}

void OnThisDayPanel::ShowEntries(const EarlierEntries& entries)
{
    dates_.clear();
    const int width = this->width();
    headingLabel_->setGeometry(0, 0, width, HeadingHeight);
    for (size_t i = 0; i < lineButtons_.size(); ++i) {
        auto* line = static_cast<EntryLine*>(lineButtons_[i]);
        line->setGeometry(4, HeadingHeight + static_cast<int>(i) * LineHeight, width - 4, LineHeight);
        line->setVisible(i < entries.Listed.size());
        if (i >= entries.Listed.size())
            continue;
        const EarlierEntry& entry = entries.Listed[i];
        dates_.push_back(entry.Date);
        const QPixmap icon = entry.Mood >= 0 && entry.Mood < moodIcons_.size() ? moodIcons_[entry.Mood] : QPixmap();
        line->SetEntry(Caption(entry), icon);
    }
    moreLabel_->setGeometry(IconSize + 8, HeadingHeight + static_cast<int>(entries.Listed.size()) * LineHeight,
                            width - IconSize - 8, LineHeight);
    moreLabel_->SetCaption(tr("and %1 more").arg(entries.More));
    moreLabel_->setVisible(entries.More > 0);
    setVisible(!entries.Listed.empty());
}

} // namespace windows::main
