#include "windows/selection/PictureComboBox.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace windows::selection {

namespace {

// Draws the items of the drop-down list through the combo box's own routine.
class ItemDelegate : public QStyledItemDelegate {
public:
    explicit ItemDelegate(PictureComboBox& combo) : QStyledItemDelegate(&combo), combo_(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (combo_.ImageList() == nullptr) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        combo_.DrawItem(*painter, option.rect, index.row(), option.state & QStyle::State_Selected);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), PictureComboBox::ItemHeight};
    }

private:
    PictureComboBox& combo_;
};

} // namespace

int ComboImages::IndexOf(int item) const
{
    return item >= 0 && static_cast<size_t>(item) < indices_.size() ? indices_[static_cast<size_t>(item)]
                                                                    : -1;
}

PictureComboBox::PictureComboBox(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new ItemDelegate(*this));
}

void PictureComboBox::SetImageList(const PictureList* images)
{
    imageList_ = images;
    update();
}

void PictureComboBox::AddItem(const QString& text, int imageIndex)
{
    addItem(text);
    images_.Add(imageIndex);
}

void PictureComboBox::DrawItem(QPainter& painter, const QRect& rect, int index, bool selected) const
{
    painter.fillRect(rect, palette().color(selected ? QPalette::Highlight : QPalette::Base));
    int textLeft = rect.left() + 2;
    const int picture = images_.IndexOf(index);
    if (imageList_ != nullptr && picture >= 0 && static_cast<size_t>(picture) < imageList_->size()) {
        const QPixmap& image = (*imageList_)[static_cast<size_t>(picture)];
        const QSize size = image.deviceIndependentSize().toSize();
        painter.drawPixmap(rect.left() + 1, rect.top() + std::max(0, (rect.height() - size.height()) / 2), image);
        textLeft = rect.left() + 1 + size.width() + 2;
    }
    painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter.setFont(font());
    const int textHeight = painter.fontMetrics().height();
    const QRect textRect(textLeft, rect.top() + std::max(0, (rect.height() - textHeight) / 2),
                         rect.right() - textLeft, textHeight);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, itemText(index));
}

void PictureComboBox::paintEvent(QPaintEvent* event)
{
    if (imageList_ == nullptr) {
        QComboBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (currentIndex() >= 0)
        DrawItem(painter, field, currentIndex(), false);
}

} // namespace windows::selection
