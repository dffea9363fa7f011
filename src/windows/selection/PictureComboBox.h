// PictureComboBox: a fixed-height, owner-drawn combo box whose items each carry a picture
// of an image list, drawn left of the text.
#pragma once

#include <QComboBox>
#include <QPixmap>

#include <vector>

namespace windows::selection {

// One picture index per item of the combo box, in a list parallel to the items.
class ComboImages {
public:
    void Add(int imageIndex) { indices_.push_back(imageIndex); }
    // -1 when the item has no picture.
    int IndexOf(int item) const;

private:
    std::vector<int> indices_;
};

using PictureList = std::vector<QPixmap>;

class PictureComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit PictureComboBox(QWidget* parent = nullptr);

    // The pictures the items refer to; not owned. Without one, items are drawn as usual.
    const PictureList* ImageList() const { return imageList_; }
    void SetImageList(const PictureList* images);
    // Items are this many pixels high.
    static constexpr int ItemHeight = 16;

    void AddItem(const QString& text, int imageIndex);

    // Draws item `index` into rect the owner-drawn way.
    void DrawItem(QPainter& painter, const QRect& rect, int index, bool selected) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PictureList* imageList_ = nullptr;
    ComboImages images_;
};

} // namespace windows::selection
