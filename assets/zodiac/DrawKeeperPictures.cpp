// Draws the birthday keeper's pictures into the folder given as the only argument: one 38 x 35
// picture per sign of the zodiac on white (the glyph kept within the left 35 columns, which the
// entry dialog shows), coloured by the sign's element; start.png, the 35 x 35 wheel shown before
// a date is chosen; and the 20 x 20 glyphs of the keeper's toolbar (light line art with a dark
// halo on transparent ground, for the window's dark background).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Sign {
    const char* Name;
    QColor Element;
    std::function<void(QPainterPath&)> Glyph; // in a 35 x 35 box
};

const QColor Fire(196, 52, 28);
const QColor Earth(40, 120, 50);
const QColor Air(120, 64, 160);
const QColor Water(20, 110, 180);

void Aries(QPainterPath& p)
{
    p.moveTo(17.5, 29);
    p.lineTo(17.5, 14);
    p.cubicTo(17.5, 6, 7, 4, 7.5, 11);
    p.cubicTo(7.8, 14.5, 10.5, 16, 12.5, 15.5);
    p.moveTo(17.5, 14);
    p.cubicTo(17.5, 6, 28, 4, 27.5, 11);
    p.cubicTo(27.2, 14.5, 24.5, 16, 22.5, 15.5);
}

void Taurus(QPainterPath& p)
{
    p.addEllipse(QPointF(17.5, 22), 7, 7);
    p.moveTo(6.5, 6.5);
    p.cubicTo(8.5, 16, 26.5, 16, 28.5, 6.5);
}

void Gemini(QPainterPath& p)
{
    p.moveTo(7.5, 7);
    p.quadTo(17.5, 12, 27.5, 7);
    p.moveTo(7.5, 28);
    p.quadTo(17.5, 23, 27.5, 28);
    p.moveTo(13, 9.7);
    p.lineTo(13, 25.3);
    p.moveTo(22, 9.7);
    p.lineTo(22, 25.3);
}

void Cancer(QPainterPath& p)
{
    p.addEllipse(QPointF(11.5, 13), 3.8, 3.8);
    p.moveTo(11.5, 9.2);
    p.cubicTo(17, 6.5, 25, 7, 29, 11.5);
    p.addEllipse(QPointF(23.5, 22), 3.8, 3.8);
    p.moveTo(23.5, 25.8);
    p.cubicTo(18, 28.5, 10, 28, 6, 23.5);
}

void Leo(QPainterPath& p)
{
    p.addEllipse(QPointF(11, 20), 4.5, 4.5);
    p.moveTo(15.2, 18.5);
    p.cubicTo(13, 10, 18, 5.5, 22.5, 7);
    p.cubicTo(28, 9, 25, 16, 22.5, 20);
    p.cubicTo(20, 24.5, 22, 29.5, 28, 27);
}

// The three stems of an "m", the last one left open for its tail.
void ThreeStems(QPainterPath& p)
{
    p.moveTo(5.5, 9);
    p.lineTo(5.5, 27);
    p.moveTo(5.5, 13);
    p.cubicTo(5.5, 7.5, 11.5, 7.5, 11.5, 13);
    p.lineTo(11.5, 27);
    p.moveTo(11.5, 13);
    p.cubicTo(11.5, 7.5, 17.5, 7.5, 17.5, 13);
}

void Virgo(QPainterPath& p)
{
    ThreeStems(p);
    p.lineTo(17.5, 22);
    p.cubicTo(17.5, 28, 25, 29, 27.5, 24);
    p.cubicTo(30, 19, 24, 16.5, 21.5, 22);
    p.lineTo(19, 30);
}

void Libra(QPainterPath& p)
{
    p.moveTo(6, 27.5);
    p.lineTo(29, 27.5);
    p.moveTo(6, 22);
    p.lineTo(12, 22);
    p.cubicTo(8, 11, 27, 11, 23, 22);
    p.lineTo(29, 22);
}

void Scorpio(QPainterPath& p)
{
    ThreeStems(p);
    p.lineTo(17.5, 24);
    p.cubicTo(17.5, 28.5, 22, 28.5, 27, 24.5);
    p.moveTo(22.5, 23.8);
    p.lineTo(27.5, 24.2);
    p.lineTo(27, 19.5);
}

void Sagittarius(QPainterPath& p)
{
    p.moveTo(7, 28);
    p.lineTo(28, 7);
    p.moveTo(19, 7);
    p.lineTo(28, 7);
    p.lineTo(28, 16);
    p.moveTo(11.5, 15.5);
    p.lineTo(19.5, 23.5);
}

void Capricorn(QPainterPath& p)
{
    p.moveTo(4.5, 9);
    p.cubicTo(7, 8, 9, 12, 11, 26);
    p.cubicTo(12.5, 16, 15, 8.5, 18.5, 10);
    p.cubicTo(21.5, 11.5, 20, 20, 21, 23);
    p.cubicTo(22.5, 28, 29.5, 28, 29.5, 23.5);
    p.cubicTo(29.5, 19, 23.5, 19, 21.5, 23.5);
    p.cubicTo(20, 27, 19.5, 31, 15, 31);
}

void Aquarius(QPainterPath& p)
{
    for (const double y : {13.5, 22.5}) {
        p.moveTo(5, y + 2.5);
        for (int i = 0; i < 6; ++i)
            p.lineTo(8.5 + 4.4 * i, (i % 2 == 0) ? y - 2.5 : y + 2.5);
    }
}

void Pisces(QPainterPath& p)
{
    p.moveTo(8.5, 6.5);
    p.cubicTo(15.5, 12, 15.5, 23, 8.5, 28.5);
    p.moveTo(26.5, 6.5);
    p.cubicTo(19.5, 12, 19.5, 23, 26.5, 28.5);
    p.moveTo(8, 17.5);
    p.lineTo(27, 17.5);
}

const std::vector<Sign>& Signs()
{
    static const std::vector<Sign> signs{
        {"aries", Fire, Aries},          {"taurus", Earth, Taurus},   {"gemini", Air, Gemini},
        {"cancer", Water, Cancer},       {"leo", Fire, Leo},          {"virgo", Earth, Virgo},
        {"libra", Air, Libra},           {"scorpio", Water, Scorpio}, {"sagittarius", Fire, Sagittarius},
        {"capricorn", Earth, Capricorn}, {"aquarius", Air, Aquarius}, {"pisces", Water, Pisces},
    };
    return signs;
}

// Device pixels per pixel of the window of the pictures drawn next: 1, then 2 for the sharp
// copies ("<name>@2x.png") of scaled screens.
int pixelRatio = 1;

// A canvas of width x height pixels of the window, painted in those units at any pixel ratio.
QImage Canvas(int width, int height, QImage::Format format, const QColor& ground)
{
    QImage image(width * pixelRatio, height * pixelRatio, format);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(ground);
    return image;
}

// A soft disc of the element's colour behind the glyph, and the glyph in round strokes.
QImage SignPicture(const Sign& sign)
{
    QImage image = Canvas(38, 35, QImage::Format_RGB32, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QColor disc = sign.Element;
    disc.setAlpha(34);
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(QPointF(17.5, 17.5), 16.5, 16.5);
    QPainterPath glyph;
    sign.Glyph(glyph);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(sign.Element.darker(115), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(glyph);
    return image;
}

// Twelve dots on a ring around a star: the wheel of the signs, before any is chosen.
QImage StartPicture()
{
    QImage image = Canvas(35, 35, QImage::Format_RGB32, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(17.5, 17.5);
    p.setPen(QPen(QColor(150, 150, 170), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 15, 15);
    p.setPen(Qt::NoPen);
    const std::vector<QColor> elements{Fire, Earth, Air, Water};
    for (int i = 0; i < 12; ++i) {
        const double angle = i * M_PI / 6;
        p.setBrush(elements[static_cast<size_t>(i % 4)]);
        p.drawEllipse(centre + QPointF(11 * std::cos(angle), 11 * std::sin(angle)), 1.8, 1.8);
    }
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double radius = i % 2 == 0 ? 6.5 : 2.8;
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.setBrush(QColor(214, 170, 40));
    p.drawPath(star);
    return image;
}

QPen Stroke(const QColor& colour, double width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QImage ToolbarGlyph(const std::function<void(QPainter&)>& draw)
{
    const auto render = [](const std::function<void(QPainter&)>& paint) {
        QImage image = Canvas(20, 20, QImage::Format_ARGB32_Premultiplied, Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p);
        return image;
    };
    QImage halo = render(draw);
    {
        QPainter p(&halo);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(halo.rect(), QColor(0, 0, 0, 110));
    }
    const QImage shape = render(draw);
    return render([&](QPainter& p) {
        p.drawImage(1, 1, halo);
        p.drawImage(0, 0, shape);
    });
}

const QColor Light(0xF4, 0xF1, 0xE8);
const QColor Accent(0xF2, 0xC1, 0x4E);

struct ToolbarPicture {
    const char* Name;
    QImage Image;
};

std::vector<ToolbarPicture> ToolbarPictures()
{
    const auto chevron = [](double tip, double back) {
        return [=](QPainter& p) {
            p.setPen(Stroke(Light, 2.6));
            p.drawPolyline(QPolygonF({QPointF(back, 4), QPointF(tip, 10), QPointF(back, 16)}));
        };
    };
    return {
        {"today", ToolbarGlyph([](QPainter& p) {
             p.setPen(Stroke(Light, 1.6));
             p.setBrush(Qt::NoBrush);
             p.drawRoundedRect(QRectF(2.5, 4, 15, 13), 1.5, 1.5);
             p.drawLine(QPointF(2.5, 8), QPointF(17.5, 8));
             p.drawLine(QPointF(6.5, 2), QPointF(6.5, 5.5));
             p.drawLine(QPointF(13.5, 2), QPointF(13.5, 5.5));
             p.setPen(Qt::NoPen);
             p.setBrush(Accent);
             p.drawEllipse(QPointF(10, 12.5), 2.6, 2.6);
         })},
        {"previous", ToolbarGlyph(chevron(6, 13))},
        {"next", ToolbarGlyph(chevron(14, 7))},
        {"tools", ToolbarGlyph([](QPainter& p) {
             p.setPen(Stroke(Light, 1.6));
             for (const double y : {5.0, 10.0, 15.0})
                 p.drawLine(QPointF(3, y), QPointF(17, y));
             p.setPen(Stroke(Accent, 1.6));
             p.setBrush(QColor(0x30, 0x3A, 0x48));
             p.drawEllipse(QPointF(13, 5), 2.2, 2.2);
             p.drawEllipse(QPointF(7, 10), 2.2, 2.2);
             p.drawEllipse(QPointF(12, 15), 2.2, 2.2);
         })},
        {"exit", ToolbarGlyph([](QPainter& p) {
             p.setPen(Stroke(Light, 1.6));
             p.drawPolyline(QPolygonF({QPointF(11, 5), QPointF(11, 2.5), QPointF(3, 2.5), QPointF(3, 17.5),
                                       QPointF(11, 17.5), QPointF(11, 15)}));
             p.setPen(Stroke(Accent, 2.2));
             p.drawLine(QPointF(7.5, 10), QPointF(17, 10));
             p.drawLine(QPointF(14, 7), QPointF(17, 10));
             p.drawLine(QPointF(14, 13), QPointF(17, 10));
         })},
    };
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath("."))
        return 1;
    // Every picture at its size, then twice as sharp for scaled screens.
    for (const int ratio : {1, 2}) {
        pixelRatio = ratio;
        const QString suffix = ratio == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        for (const Sign& sign : Signs())
            if (!SignPicture(sign).save(folder.filePath(QString::fromLatin1(sign.Name) + suffix)))
                return 1;
        for (const ToolbarPicture& picture : ToolbarPictures())
            if (!picture.Image.save(folder.filePath(QString::fromLatin1(picture.Name) + suffix)))
                return 1;
        if (!StartPicture().save(folder.filePath("start" + suffix)))
            return 1;
    }
    return 0;
}
