// Draws the application icon (the diary book of the selection window) and the icon of diary
// files into the folder given as the only argument: daybrook-<size>.png and
// diary-file-<size>.png at every size of the icon theme, and daybrook.svg and diary-file.svg
// from the same drawings.
#include "common/DiaryBook.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <functional>

namespace {

constexpr int IconSizes[] = {16, 24, 32, 48, 64, 128, 256};
// Icons are drawn in a square of this many units, whatever their size in pixels.
constexpr int IconUnits = 256;

using IconDrawing = std::function<void(QPainter&)>;

// The book fills the icon square, its shadow included.
void PaintApplicationIcon(QPainter& p)
{
    p.scale(IconUnits / 86.0, IconUnits / 86.0);
    p.translate(-4, -5);
    art::PaintDiaryBook(p);
}

// A sheet with a folded corner and the book on it, smaller, so that a diary file reads as a
// document of the program.
void PaintDiaryFileIcon(QPainter& p)
{
    const double fold = 56;
    QPainterPath sheet;
    sheet.moveTo(40, 8);
    sheet.lineTo(216 - fold, 8);
    sheet.lineTo(216, 8 + fold);
    sheet.lineTo(216, 248);
    sheet.lineTo(40, 248);
    sheet.closeSubpath();
    QLinearGradient paper(0, 8, 0, 248);
    paper.setColorAt(0, QColor(255, 253, 246));
    paper.setColorAt(1, QColor(232, 226, 210));
    p.setPen(QPen(QColor(150, 140, 120), 4));
    p.setBrush(paper);
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(216 - fold, 8);
    corner.lineTo(216 - fold, 8 + fold);
    corner.lineTo(216, 8 + fold);
    corner.closeSubpath();
    p.setBrush(QColor(214, 206, 186));
    p.drawPath(corner);

    p.save();
    p.translate(52, 70);
    p.scale(160 / art::DiaryBookSize, 160 / art::DiaryBookSize);
    art::PaintDiaryBook(p);
    p.restore();
}

QImage Bitmap(int size, const IconDrawing& draw)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(size) / IconUnits, double(size) / IconUnits);
    draw(p);
    return image;
}

bool WriteVector(const QString& path, const QString& title, const IconDrawing& draw)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setTitle(title);
    svg.setSize(QSize(IconUnits, IconUnits));
    svg.setViewBox(QRect(0, 0, IconUnits, IconUnits));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return p.end();
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
    const struct {
        QString Name;
        QString Title;
        IconDrawing Draw;
    } icons[] = {{"daybrook", "Daybrook", PaintApplicationIcon},
                 {"diary-file", "Daybrook diary", PaintDiaryFileIcon}};
    for (const auto& icon : icons) {
        for (const int size : IconSizes) {
            const QString path = QStringLiteral("%1/%2-%3.png").arg(folder, icon.Name).arg(size);
            if (!Bitmap(size, icon.Draw).save(path)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
        const QString path = folder + '/' + icon.Name + ".svg";
        if (!WriteVector(path, icon.Title, icon.Draw)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
