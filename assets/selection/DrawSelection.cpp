// Draws the selection window's pictures into the folder given as the only argument:
// background.png (296 x 224), diary.png (94 x 94, a closed diary book), book.png and
// book-new.png (16 x 16 list pictures: a book, and a book with a plus), each also as
// <name>@2x.png at twice the pixels for scaled screens.
#include "common/DiaryBook.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cstdio>

namespace {

// Device pixels per pixel of the window of the pictures drawn next: 1, then 2 for the sharp
// copies ("<name>@2x.png") of scaled screens.
int pixelRatio = 1;

QImage Blank(int width, int height)
{
    QImage image(width * pixelRatio, height * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    return image;
}

// Night blue, lighter behind the book on the left, with soft round glows and a fine grain;
// calm where the white captions and the edit boxes sit.
QImage Background()
{
    QImage image = Blank(296, 224);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 224);
    sky.setColorAt(0, QColor(18, 26, 52));
    sky.setColorAt(0.55, QColor(10, 16, 34));
    sky.setColorAt(1, QColor(4, 6, 14));
    p.fillRect(image.rect(), sky);

    QRadialGradient glow(55, 126, 85);
    glow.setColorAt(0, QColor(70, 96, 160, 120));
    glow.setColorAt(1, QColor(70, 96, 160, 0));
    p.fillRect(image.rect(), glow);

    struct Bokeh {
        int X, Y, Radius, Alpha;
    };
    for (const Bokeh& b : {Bokeh{250, 30, 46, 26}, Bokeh{170, 8, 30, 20}, Bokeh{20, 20, 24, 22},
                           Bokeh{280, 200, 60, 14}, Bokeh{120, 210, 34, 16}}) {
        QRadialGradient round(b.X, b.Y, b.Radius);
        round.setColorAt(0, QColor(150, 170, 230, b.Alpha));
        round.setColorAt(0.8, QColor(150, 170, 230, b.Alpha / 2));
        round.setColorAt(1, QColor(150, 170, 230, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(round);
        p.drawEllipse(QPoint(b.X, b.Y), b.Radius, b.Radius);
    }

    // A thin band of light along the top edge, where the window has no title bar.
    QLinearGradient band(0, 0, 296, 0);
    band.setColorAt(0, QColor(120, 150, 220, 0));
    band.setColorAt(0.5, QColor(160, 185, 240, 140));
    band.setColorAt(1, QColor(120, 150, 220, 0));
    p.fillRect(QRect(0, 0, 296, 2), band);
    p.end();

    QRandomGenerator grain(1957);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int d = static_cast<int>(grain.bounded(7)) - 3;
            const QColor c = image.pixelColor(x, y);
            image.setPixelColor(x, y,
                                QColor(qBound(0, c.red() + d, 255), qBound(0, c.green() + d, 255),
                                       qBound(0, c.blue() + d, 255)));
        }
    return image;
}

QImage Diary()
{
    QImage image = Blank(94, 94);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    art::PaintDiaryBook(p);
    return image;
}

// The 16 x 16 book of the list; with a green plus for the new-diary entry.
QImage ListBook(bool withPlus)
{
    QImage image = Blank(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 238, 214));
    p.drawRect(QRectF(4.5, 2.5, 9, 12));
    p.setPen(QPen(QColor(70, 12, 24), 1));
    p.setBrush(QColor(156, 36, 52));
    p.drawRoundedRect(QRectF(2.5, 1.5, 9, 13), 1.2, 1.2);
    p.setPen(QPen(QColor(226, 186, 96), 1));
    p.drawLine(QPointF(4.5, 2), QPointF(4.5, 14));
    p.drawLine(QPointF(6.5, 5.5), QPointF(9.5, 5.5));
    if (withPlus) {
        p.setPen(QPen(QColor(20, 90, 20), 1));
        p.setBrush(QColor(70, 190, 60));
        p.drawEllipse(QRectF(8.5, 8.5, 7, 7));
        p.setPen(QPen(Qt::white, 1.4));
        p.drawLine(QPointF(12, 9.8), QPointF(12, 14.2));
        p.drawLine(QPointF(9.8, 12), QPointF(14.2, 12));
    }
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    for (const int ratio : {1, 2}) {
        pixelRatio = ratio;
        const QString suffix = ratio == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        const struct {
            const char* Name;
            QImage Image;
        } pictures[] = {{"background", Background()},
                        {"diary", Diary()},
                        {"book", ListBook(false)},
                        {"book-new", ListBook(true)}};
        for (const auto& picture : pictures)
            if (!picture.Image.save(folder + '/' + picture.Name + suffix)) {
                std::fprintf(stderr, "cannot write %s/%s%s\n", argv[1], picture.Name, qPrintable(suffix));
                return 1;
            }
    }
    return 0;
}
