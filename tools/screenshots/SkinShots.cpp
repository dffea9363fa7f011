// The nine skins side by side (top strip above background) with white captions as the
// windows put them on the pictures, and the diary body showing the welcome entry.
#include "Screenshots.h"

#include "widgets/editor/RichTextEdit.h"
#include "formats/resources/PackedResources.h"
#include "widgets/controls/SkinPictures.h"

#include <QPainter>

using formats::resources::LoadProgramRessources;
using formats::resources::PackedResources;
using widgets::controls::SkinPart;
using widgets::controls::SkinPicture;
using widgets::editor::RichTextEdit;

namespace {

QImage SkinPicture(PackedResources& store, int skin, bool topStrip)
{
    return SkinPicture(store, skin, topStrip ? SkinPart::Top : SkinPart::Background);
}

void Caption(QPainter& painter, int x, int y, const QString& text, const QColor& color = Qt::white)
{
    painter.setPen(color);
    painter.drawText(x, y, text);
}

QImage SkinSheet()
{
    PackedResources store;
    LoadProgramRessources(store);
    constexpr int CellWidth = 500;
    constexpr int CellHeight = 360;
    constexpr int Gap = 8;
    QImage sheet(3 * CellWidth + 4 * Gap, 3 * CellHeight + 4 * Gap, QImage::Format_RGB32);
    sheet.fill(QColor(240, 240, 240));
    QPainter painter(&sheet);
    QFont caption("Arial");
    caption.setPixelSize(12);
    QFont date("Arial");
    date.setPixelSize(20);
    date.setBold(true);
    for (int skin = 0; skin < 9; ++skin) {
        const int left = Gap + (skin % 3) * (CellWidth + Gap);
        const int top = Gap + (skin / 3) * (CellHeight + Gap);
        painter.drawImage(left, top, SkinPicture(store, skin, true));
        painter.drawImage(left, top + 60, SkinPicture(store, skin, false));
        painter.setFont(caption);
        int x = left + 14;
        for (const char* button : {"Browse", "Tools", "Birthdays", "Spell", "Print", "Exit"}) {
            Caption(painter, x, top + 48, button);
            x += 78;
        }
        Caption(painter, left + 14, top + 100, QString("Skin %1").arg(skin));
        Caption(painter, left + 14, top + 330, "< Year  < Month  < Entry   ToDay   Entry >  Month >  Year >");
        Caption(painter, left + 330, top + 100, "Next entry  |  Previous entry");
        painter.setFont(date);
        Caption(painter, left + 16, top + 137, "January 5, 2002", QColor(40, 30, 10));
        Caption(painter, left + 14, top + 135, "January 5, 2002", QColor(255, 255, 200));
    }
    return sheet;
}

DAYBROOK_SCREENSHOT("skins", [] { return SkinSheet(); });

DAYBROOK_SCREENSHOT("rich-edit-welcome", [] {
    PackedResources store;
    LoadProgramRessources(store);
    RichTextEdit edit;
    edit.resize(480, 300);
    edit.LoadRtf(store.ItemByName("TemplateDiary").DataStream().Bytes());
    edit.append("Links show while you type: www.example.org or write to me@example.org.");
    return screenshots::Grab(edit);
});

} // namespace
