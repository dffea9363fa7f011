// The contact sheet of the button glyphs: each one at 1x and enlarged 4x (pixels kept square)
// on a skin's top strip and on white, one family a row; below, the glyphs that sit on the skins
// at 1x on each of the nine skins, to judge their contrast everywhere.
#include "Screenshots.h"

#include "formats/resources/PackedResources.h"
#include "widgets/controls/ResourceBitmaps.h"
#include "widgets/controls/SkinPictures.h"

#include <QPainter>

#include <algorithm>
#include <vector>

using formats::resources::LoadProgramRessources;
using formats::resources::PackedResources;
using widgets::controls::ResourceBitmap;
using widgets::controls::SkinCount;
using widgets::controls::SkinPart;
using widgets::controls::SkinPicture;
using widgets::controls::WithBottomLeftTransparent;

namespace {

using Family = std::vector<const char*>;

const Family KindGlyphs = {"LBOK",    "LBCANCEL", "LBHELP",   "LBYES", "LBNO",   "LBCLOSE",
                           "LBABORT", "LBRETRY",  "LBIGNORE", "LBALL", "LBARROW"};
const Family ToolbarGlyphs = {"TBEDIT", "TBDELETE",   "TBPREVENTRY", "TBNEXTENTRY", "TBBROWSE", "TBSPELL",
                              "TBSKIN", "TBBIRTHDAY", "TBTOOLS",     "TBABOUT",     "TBEXIT",   "TBSEARCH"};
const Family NavigationGlyphs = {"NAVPREV", "NAVTODAY", "NAVNEXT", "SIZEGRIP"};
const Family EditorGlyphs = {"MOODPREV",     "MOODNEXT", "FMTSMALLER", "FMTLARGER", "FMTBOLD",  "FMTITALIC",
                             "FMTUNDERLINE", "FMTLEFT",  "FMTCENTER",  "FMTRIGHT",  "FMTCOLOR", "FMTPRINT"};

constexpr int SheetWidth = 1400;
constexpr int Zoom = 4;
constexpr int Gap = 8;
constexpr int LabelHeight = 16;
constexpr int BandHeight = 40;

QImage Glyph(const char* name)
{
    return WithBottomLeftTransparent(ResourceBitmap(QString::fromLatin1(name)));
}

// A cell: the name above a dark half and a white half, each with the glyph at 1x above 4x.
QSize CellSize(QSize glyph)
{
    const int half = std::max(glyph.width() * Zoom, 64) + 2 * Gap;
    return {2 * half, LabelHeight + glyph.height() * (1 + Zoom) + 3 * Gap};
}

void DrawCell(QPainter& painter, QPoint at, const char* name, const QImage& glyph, const QImage& skin)
{
    const QSize size = CellSize(glyph.size());
    painter.setPen(Qt::black);
    painter.drawText(QRect(at, QSize(size.width(), LabelHeight)), Qt::AlignCenter, QString::fromLatin1(name));
    const QRect dark(at.x(), at.y() + LabelHeight, size.width() / 2, size.height() - LabelHeight);
    const QRect light = dark.translated(dark.width(), 0);
    painter.drawImage(dark, skin);
    painter.fillRect(light, Qt::white);
    for (const QRect& ground : {dark, light}) {
        const QPoint corner = ground.topLeft() + QPoint(Gap, Gap);
        painter.drawImage(corner, glyph);
        painter.drawImage(QRect(corner + QPoint(0, glyph.height() + Gap), glyph.size() * Zoom), glyph);
    }
}

struct PlacedGlyph {
    const char* Name;
    QImage Glyph;
    QPoint At;
};

struct SheetLayout {
    std::vector<PlacedGlyph> Cells;
    int Height = 0;
};

// The cells row by row, a family starting a new row.
SheetLayout LayOutFamilies()
{
    SheetLayout layout;
    int y = Gap;
    for (const Family& family : {KindGlyphs, ToolbarGlyphs, NavigationGlyphs, EditorGlyphs}) {
        int x = Gap;
        int rowHeight = 0;
        for (const char* name : family) {
            QImage glyph = Glyph(name);
            const QSize size = CellSize(glyph.size());
            if (x + size.width() > SheetWidth) {
                x = Gap;
                y += rowHeight + Gap;
                rowHeight = 0;
            }
            layout.Cells.push_back({name, std::move(glyph), QPoint(x, y)});
            x += size.width() + Gap;
            rowHeight = std::max(rowHeight, size.height());
        }
        y += rowHeight + Gap;
    }
    layout.Height = y;
    return layout;
}

// One skin: the toolbar glyphs on its top strip, the navigation glyphs on its background.
void DrawSkinBand(QPainter& painter, int top, PackedResources& store, int skin)
{
    const int split = SheetWidth * 3 / 4;
    painter.drawImage(QRect(0, top, split, BandHeight), SkinPicture(store, skin, SkinPart::Top));
    painter.drawImage(QRect(split, top, SheetWidth - split, BandHeight),
                      SkinPicture(store, skin, SkinPart::Background));
    painter.setPen(Qt::white);
    painter.drawText(QRect(Gap, top, 60, BandHeight), Qt::AlignVCenter, QStringLiteral("Skin %1").arg(skin));
    int x = 80;
    for (const char* name : ToolbarGlyphs) {
        const QImage glyph = Glyph(name);
        painter.drawImage(x, top + (BandHeight - glyph.height()) / 2, glyph);
        x += 48;
    }
    x = split + 24;
    for (const char* name : NavigationGlyphs) {
        const QImage glyph = Glyph(name);
        painter.drawImage(x, top + (BandHeight - glyph.height()) / 2, glyph);
        x += glyph.width() + 24;
    }
}

QImage GlyphSheet()
{
    PackedResources store;
    LoadProgramRessources(store);
    const int skins = SkinCount(store);
    const QImage firstSkin = SkinPicture(store, 0, SkinPart::Top);
    const SheetLayout layout = LayOutFamilies();

    QImage sheet(SheetWidth, layout.Height + skins * BandHeight, QImage::Format_RGB32);
    sheet.fill(QColor(0xEC, 0xE9, 0xE2));
    QPainter painter(&sheet);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    painter.setFont(font);
    for (const auto& cell : layout.Cells)
        DrawCell(painter, cell.At, cell.Name, cell.Glyph, firstSkin);
    for (int skin = 0; skin < skins; ++skin)
        DrawSkinBand(painter, layout.Height + skin * BandHeight, store, skin);
    return sheet;
}

DAYBROOK_SCREENSHOT("glyph-sheet", GlyphSheet);

} // namespace
