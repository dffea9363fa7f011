// Draws the ten mood pictures into PNG files: mood<N>.png, 64 × 64 on white, for the entry and
// the picker (and mood<N>@2x.png, the same at twice the pixels for scaled screens), and
// mood<N>-small.png, 22 × 22 on a transparent ground, for lists. The small
// faces are drawn at their own size with bolder strokes and larger features, not scaled down.
// Moods in order: happy, calm, excited, loved, tired, sad, angry, worried, sick, thoughtful.
// Usage: daybrook-moodgen <output folder>
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cstdio>
#include <functional>

namespace {

const QColor Ink(0x3a, 0x26, 0x1c);
const QColor Tongue(0xe8, 0x5a, 0x6a);
const QColor Heart(0xe0, 0x24, 0x3c);
const QColor Water(0x3f, 0x9c, 0xf0);
const QColor Blush(0xff, 0x7a, 0x7a, 110);

// One face being drawn: feature positions are given in the units of the large picture
// (offsets from the face's centre, the face's radius being 28) and mapped to the picture
// being drawn; line widths and dot sizes are given for both sizes, as the small picture
// needs them relatively bolder.
class Face {
public:
    Face(QPainter& painter, double size) : Painter(painter), small_(size < 40), centre_(size / 2, size / 2)
    {
        scale_ = (small_ ? 10.2 : 28.5) / 28.5;
    }

    QPainter& Painter;

    QPointF At(double x, double y) const { return centre_ + QPointF(x, y) * scale_; }
    double Length(double units) const { return units * scale_; }
    double Pick(double large, double small) const { return small_ ? small : large; }
    bool Small() const { return small_; }

    void Stroke(const QColor& colour, double large, double small)
    {
        Painter.setPen(QPen(colour, Pick(large, small), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        Painter.setBrush(Qt::NoBrush);
    }
    void Fill(const QColor& colour)
    {
        Painter.setPen(Qt::NoPen);
        Painter.setBrush(colour);
    }

    void Disc(const QColor& colour, double x, double y, double radiusLarge, double radiusSmall)
    {
        Fill(colour);
        const double r = Pick(radiusLarge, radiusSmall);
        Painter.drawEllipse(At(x, y), r, r);
    }

    // A quadratic curve from one point to another, bent towards the control point.
    void Curve(double x1, double y1, double cx, double cy, double x2, double y2)
    {
        QPainterPath path(At(x1, y1));
        path.quadTo(At(cx, cy), At(x2, y2));
        Painter.drawPath(path);
    }

    void Line(double x1, double y1, double x2, double y2) { Painter.drawLine(At(x1, y1), At(x2, y2)); }

    // The round face in its colour, lit from the upper left, with a darker rim.
    void Head(const QColor& colour)
    {
        const double radius = Length(28.5) - Pick(1, 0.6);
        QRadialGradient light(At(-9, -11), Length(36));
        light.setColorAt(0, colour.lighter(118));
        light.setColorAt(1, colour.darker(104));
        Painter.setPen(QPen(colour.darker(165), Pick(2, 1.2)));
        Painter.setBrush(light);
        Painter.drawEllipse(centre_, radius, radius);
    }

    void Eyes(double y = -6) { EyePair(y, 3.6, 1.55); }
    void EyePair(double y, double large, double small)
    {
        for (double x : {-10.0, 10.0}) {
            Fill(Ink);
            Painter.drawEllipse(At(x, y), Pick(large * 0.85, small), Pick(large * 1.1, small * 1.15));
        }
    }

    void Smile(double width = 13, double top = 7, double depth = 9)
    {
        Stroke(Ink, 3.2, 1.6);
        Curve(-width, top, 0, top + 2 * depth, width, top);
    }
    void Frown(double width = 11, double bottom = 16, double height = 6)
    {
        Stroke(Ink, 3.2, 1.6);
        Curve(-width, bottom, 0, bottom - 2 * height, width, bottom);
    }

    void Cheeks()
    {
        Fill(Blush);
        for (double x : {-16.0, 16.0})
            Painter.drawEllipse(At(x, 6), Length(5.5), Length(3.5));
    }

    // Closed eyes as arcs: bowing down (content, "◡") or up (laughing, "^").
    void ClosedEyes(bool bowDown, double y = -6)
    {
        Stroke(Ink, 3.2, 1.6);
        const double bend = bowDown ? 6 : -7;
        for (double x : {-10.0, 10.0})
            Curve(x - 6, y, x, y + bend, x + 6, y);
    }

    // Eyebrows slanting towards the middle: inner ends `innerLift` units above the outer ones.
    void Brows(double y, double innerLift)
    {
        Stroke(Ink, 3.0, 1.5);
        Line(-16, y, -5, y - innerLift);
        Line(16, y, 5, y - innerLift);
    }

    // A drop of water hanging from a point, pointed at the top.
    void Drop(double x, double y, double height)
    {
        const double h = Length(height);
        const QPointF top = At(x, y);
        QPainterPath drop(top);
        drop.cubicTo(top + QPointF(-0.1 * h, 0.35 * h), top + QPointF(-0.55 * h, 0.6 * h),
                     top + QPointF(0, h));
        drop.cubicTo(top + QPointF(0.55 * h, 0.6 * h), top + QPointF(0.1 * h, 0.35 * h), top);
        Painter.setPen(QPen(Water.darker(140), Pick(1, 0.6)));
        Painter.setBrush(Water);
        Painter.drawPath(drop);
    }

    void HeartAt(double x, double y, double size)
    {
        const double s = Length(size);
        const QPointF c = At(x, y);
        QPainterPath heart(c + QPointF(0, 0.45 * s));
        heart.cubicTo(c + QPointF(-0.15 * s, 0.3 * s), c + QPointF(-0.62 * s, 0.05 * s),
                      c + QPointF(-0.5 * s, -0.28 * s));
        heart.cubicTo(c + QPointF(-0.38 * s, -0.55 * s), c + QPointF(-0.05 * s, -0.52 * s),
                      c + QPointF(0, -0.22 * s));
        heart.cubicTo(c + QPointF(0.05 * s, -0.52 * s), c + QPointF(0.38 * s, -0.55 * s),
                      c + QPointF(0.5 * s, -0.28 * s));
        heart.cubicTo(c + QPointF(0.62 * s, 0.05 * s), c + QPointF(0.15 * s, 0.3 * s),
                      c + QPointF(0, 0.45 * s));
        Painter.setPen(QPen(Heart.darker(150), Pick(1, 0.5)));
        Painter.setBrush(Heart);
        Painter.drawPath(heart);
    }

private:
    bool small_;
    QPointF centre_;
    double scale_ = 1;
};

void Happy(Face& f)
{
    f.Head(QColor(0xff, 0xd4, 0x3f));
    f.Cheeks();
    f.Eyes();
    f.Smile();
}

void Calm(Face& f)
{
    f.Head(QColor(0x92, 0xdc, 0xcc));
    f.ClosedEyes(true, -5);
    f.Stroke(Ink, 3.2, 1.6);
    f.Curve(-8, 11, 0, 17, 8, 11);
}

void Excited(Face& f)
{
    f.Head(QColor(0xff, 0xa0, 0x42));
    f.ClosedEyes(false, -5);
    // A wide open grin: the flat upper lip, the round lower one, a tongue inside.
    QPainterPath mouth(f.At(-14, 4));
    mouth.lineTo(f.At(14, 4));
    mouth.quadTo(f.At(0, 30), f.At(-14, 4));
    f.Painter.setPen(QPen(Ink, f.Pick(2, 1.1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    f.Painter.setBrush(Ink);
    f.Painter.drawPath(mouth);
    f.Painter.save();
    f.Painter.setClipPath(mouth);
    f.Disc(Tongue, 0, 20, f.Length(8), f.Length(8));
    f.Painter.restore();
}

void Loved(Face& f)
{
    f.Head(QColor(0xff, 0xa6, 0xc0));
    f.HeartAt(-10, -6, f.Small() ? 12 : 13);
    f.HeartAt(10, -6, f.Small() ? 12 : 13);
    f.Smile(12, 8, 8);
}

void Tired(Face& f)
{
    f.Head(QColor(0xc4, 0xc2, 0xbc));
    // Heavy lids: half-closed eyes under a straight lid line.
    for (double x : {-10.0, 10.0}) {
        f.Fill(Ink);
        QPainterPath eye(f.At(x - 6, -5));
        eye.quadTo(f.At(x, 2), f.At(x + 6, -5));
        eye.closeSubpath();
        f.Painter.drawPath(eye);
        f.Stroke(Ink, 2.6, 1.4);
        f.Line(x - 7, -5, x + 7, -5);
    }
    // A yawn.
    f.Fill(Ink);
    f.Painter.drawEllipse(f.At(0, 14), f.Length(5), f.Length(f.Small() ? 6 : 6.5));
    // A sleepy "z" beside the head.
    f.Stroke(QColor(0x50, 0x60, 0xa0), 2.6, 1.4);
    const double x = 14, y = -26, s = f.Small() ? 11 : 10;
    QPainterPath zed(f.At(x, y));
    zed.lineTo(f.At(x + s, y));
    zed.lineTo(f.At(x, y + s));
    zed.lineTo(f.At(x + s, y + s));
    f.Painter.drawPath(zed);
}

void Sad(Face& f)
{
    f.Head(QColor(0x86, 0xb9, 0xf0));
    f.Brows(-15, 5);
    f.Eyes(-5);
    f.Frown(10, 17, 5);
    f.Drop(f.Small() ? 14 : 12, f.Small() ? 1 : -1, f.Small() ? 13 : 11);
}

void Angry(Face& f)
{
    f.Head(QColor(0xf2, 0x5e, 0x4a));
    f.Brows(-16, -7);
    f.Eyes(-5);
    f.Frown(11, 17, 4);
}

void Worried(Face& f)
{
    f.Head(QColor(0xc7, 0xb4, 0xf0));
    // Raised brows (too busy on the small face) over wide eyes, white with a small pupil.
    if (!f.Small())
        f.Brows(-16, 4);
    for (double x : {-10.0, 10.0}) {
        f.Painter.setPen(QPen(Ink, f.Pick(1.6, 0.7)));
        f.Painter.setBrush(Qt::white);
        f.Painter.drawEllipse(f.At(x, -4), f.Pick(5, 2.7), f.Pick(6, 3.3));
        f.Disc(Ink, x, -3, 2.6, 1.6);
    }
    // A wavering mouth.
    f.Stroke(Ink, 3.0, 1.5);
    QPainterPath mouth(f.At(-11, 14));
    mouth.cubicTo(f.At(-6, 8), f.At(-3, 8), f.At(0, 13));
    mouth.cubicTo(f.At(3, 18), f.At(6, 18), f.At(11, 12));
    f.Painter.drawPath(mouth);
    f.Drop(-21, -16, f.Small() ? 12 : 11);
}

void Sick(Face& f)
{
    f.Head(QColor(0xa4, 0xd0, 0x5c));
    // Drooping eyes.
    f.Stroke(Ink, 3.2, 1.6);
    for (double x : {-10.0, 10.0})
        f.Curve(x - 6, -7, x, -1, x + 6, -5);
    // A thermometer held in the mouth, its red bulb outside.
    f.Stroke(Ink, 3.2, 1.6);
    f.Line(-9, 13, 4, 13);
    f.Painter.setPen(QPen(QColor(0x70, 0x70, 0x78), f.Pick(6.6, 3.4), Qt::SolidLine, Qt::RoundCap));
    f.Line(0, 13, 20, 20);
    f.Painter.setPen(QPen(Qt::white, f.Pick(3.6, 1.8), Qt::SolidLine, Qt::RoundCap));
    f.Line(0, 13, 20, 20);
    f.Disc(QColor(0xe0, 0x2a, 0x2a), 22, 21, 4.2, 2.1);
}

void Thoughtful(Face& f)
{
    f.Head(QColor(0xe2, 0xba, 0x86));
    // One brow raised, eyes looking up and aside.
    f.Stroke(Ink, 3.0, 1.5);
    f.Curve(-16, -13, -10, -17, -4, -14);
    f.Curve(4, -19, 10, -23, 16, -20);
    f.Disc(Ink, -8, -6, 3.4, 1.5);
    f.Disc(Ink, 12, -7, 3.4, 1.5);
    // A mouth pulled to one side.
    f.Stroke(Ink, 3.2, 1.6);
    f.Line(-6, 15, 10, 11);
    // A thought rising from the head.
    f.Painter.setPen(QPen(QColor(0x3d, 0x5a, 0x8a), f.Pick(1.4, 0.9)));
    f.Painter.setBrush(QColor(0xbc, 0xd4, 0xf6));
    f.Painter.drawEllipse(f.At(f.Pick(-20, -16.5), f.Pick(-20, -16.5)), f.Pick(2.6, 1.2), f.Pick(2.6, 1.2));
    f.Painter.drawEllipse(f.At(f.Pick(-25, -21.5), f.Pick(-26, -21.5)), f.Pick(4, 1.8), f.Pick(4, 1.8));
}

using Drawing = std::function<void(Face&)>;

const Drawing Moods[] = {Happy, Calm, Excited, Loved, Tired, Sad, Angry, Worried, Sick, Thoughtful};

// The face in a square of size pixels of the window, at ratio device pixels per pixel.
QImage Draw(const Drawing& mood, int size, const QColor& ground, int ratio = 1)
{
    QImage image(size * ratio, size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(ground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Face face(painter, size);
    mood(face);
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
    int index = 0;
    for (const auto& mood : Moods) {
        const QString large = QStringLiteral("%1/mood%2.png").arg(folder).arg(index);
        const QString sharp = QStringLiteral("%1/mood%2@2x.png").arg(folder).arg(index);
        const QString small = QStringLiteral("%1/mood%2-small.png").arg(folder).arg(index);
        if (!Draw(mood, 64, Qt::white).convertToFormat(QImage::Format_RGB32).save(large) ||
            !Draw(mood, 64, Qt::white, 2).convertToFormat(QImage::Format_RGB32).save(sharp) ||
            !Draw(mood, 22, Qt::transparent).save(small)) {
            std::fprintf(stderr, "cannot write the pictures of mood %d into %s\n", index, argv[1]);
            return 1;
        }
        ++index;
    }
    return 0;
}
