// The closed diary book of the selection window, drawn as vectors so that the window's picture
// and the application icons at every size come from one drawing.
#pragma once

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace art {

// The book's drawing area is 94 x 94 units; scale the painter to draw it at another size.
constexpr double DiaryBookSize = 94;

// A diary bound in burgundy leather, pages on the right edge, a strap with a clasp, and gold
// corners.
inline void PaintDiaryBook(QPainter& p)
{
    const QRectF cover(14, 8, 66, 80);
    // Shadow.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(cover.translated(3, 3), 5, 5);
    // Pages.
    QLinearGradient pages(0, 0, 6, 0);
    pages.setColorAt(0, QColor(250, 244, 226));
    pages.setColorAt(1, QColor(214, 204, 178));
    p.setBrush(pages);
    p.drawRoundedRect(QRectF(cover.right() - 8, cover.top() + 3, 11, cover.height() - 6), 2, 2);
    p.setPen(QPen(QColor(180, 168, 140), 0.6));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(cover.right() - 4, cover.top() + 8 + i * 12),
                   QPointF(cover.right() + 2, cover.top() + 8 + i * 12));
    // Cover.
    QLinearGradient leather(cover.topLeft(), cover.bottomRight());
    leather.setColorAt(0, QColor(150, 38, 52));
    leather.setColorAt(0.6, QColor(112, 22, 36));
    leather.setColorAt(1, QColor(78, 12, 24));
    p.setPen(QPen(QColor(60, 8, 18), 1));
    p.setBrush(leather);
    p.drawRoundedRect(cover.adjusted(0, 0, -6, 0), 5, 5);
    // Spine.
    QLinearGradient spine(cover.left(), 0, cover.left() + 12, 0);
    spine.setColorAt(0, QColor(70, 10, 22));
    spine.setColorAt(1, QColor(120, 28, 42));
    p.setPen(Qt::NoPen);
    p.setBrush(spine);
    p.drawRoundedRect(QRectF(cover.left(), cover.top(), 12, cover.height()), 5, 5);
    p.setPen(QPen(QColor(212, 170, 80), 1.2));
    for (const double y : {cover.top() + 12, cover.bottom() - 12})
        p.drawLine(QPointF(cover.left() + 2, y), QPointF(cover.left() + 11, y));
    // Stitched frame on the cover.
    QPen stitch(QColor(222, 176, 120, 170), 0.9, Qt::DashLine);
    p.setPen(stitch);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(cover.left() + 17, cover.top() + 6, cover.width() - 29, cover.height() - 12), 3,
                      3);
    // Gold corners.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(222, 182, 86));
    for (const QPointF corner :
         {QPointF(cover.right() - 6, cover.top()), QPointF(cover.right() - 6, cover.bottom())}) {
        QPainterPath triangle;
        const double dy = corner.y() == cover.top() ? 10 : -10;
        triangle.moveTo(corner);
        triangle.lineTo(corner.x() - 10, corner.y());
        triangle.lineTo(corner.x(), corner.y() + dy);
        triangle.closeSubpath();
        p.drawPath(triangle);
    }
    // Strap and clasp.
    const double strapY = cover.center().y() - 6;
    p.setBrush(QColor(64, 10, 20));
    p.drawRect(QRectF(cover.right() - 20, strapY, 26, 12));
    QLinearGradient gold(0, strapY - 2, 0, strapY + 14);
    gold.setColorAt(0, QColor(248, 216, 128));
    gold.setColorAt(1, QColor(170, 120, 40));
    p.setBrush(gold);
    p.setPen(QPen(QColor(120, 80, 20), 0.8));
    p.drawRoundedRect(QRectF(cover.right() - 16, strapY - 2, 12, 16), 3, 3);
    p.setBrush(QColor(60, 36, 8));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(cover.right() - 10, strapY + 5), 1.8, 1.8);
    p.drawRect(QRectF(cover.right() - 10.6, strapY + 5, 1.2, 4));
    // A soft highlight across the cover.
    QLinearGradient sheen(cover.topLeft(), QPointF(cover.left() + 40, cover.top() + 40));
    sheen.setColorAt(0, QColor(255, 255, 255, 60));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawRoundedRect(cover.adjusted(12, 1, -7, -cover.height() / 2), 4, 4);
}

} // namespace art
