#include "widgets/editor/RtfDocument.h"

#include "widgets/editor/DocumentPictures.h"
#include "formats/rtf/RtfReader.h"
#include "formats/rtf/RtfWriter.h"

#include <QTextBlock>
#include <QTextCursor>

#include <cmath>

using formats::rtf::Alignment;
using formats::rtf::Automatic;
using formats::rtf::CharFormat;
using formats::rtf::Paragraph;
using formats::rtf::ReadRtf;
using formats::rtf::RichText;
using formats::rtf::TextRun;
using formats::rtf::WriteRtf;

namespace widgets::editor {

namespace {

QColor ToQColor(uint32_t rgb)
{
    return QColor(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF));
}

uint32_t FromBrush(const QTextFormat& format, int property)
{
    if (!format.hasProperty(property))
        return Automatic;
    const QBrush brush = format.brushProperty(property);
    if (brush.style() == Qt::NoBrush)
        return Automatic;
    return static_cast<uint32_t>(brush.color().rgb()) & 0xFFFFFF;
}

QTextCharFormat ToQt(const CharFormat& format)
{
    QTextCharFormat q;
    if (!format.Font.empty())
        q.setFontFamilies(QStringList{QString::fromStdString(format.Font)});
    if (format.HalfPoints > 0)
        q.setFontPointSize(format.HalfPoints / 2.0);
    q.setFontWeight(format.Bold ? QFont::Bold : QFont::Normal);
    q.setFontItalic(format.Italic);
    q.setFontUnderline(format.Underline);
    q.setFontStrikeOut(format.Strike);
    if (format.Color != Automatic)
        q.setForeground(ToQColor(format.Color));
    if (format.Highlight != Automatic)
        q.setBackground(ToQColor(format.Highlight));
    return q;
}

CharFormat FromQt(const QTextCharFormat& q, const QFont& defaultFont)
{
    CharFormat format;
    const QStringList families = q.fontFamilies().toStringList();
    format.Font = (families.isEmpty() ? defaultFont.family() : families.front()).toStdString();
    double points = q.fontPointSize();
    if (points <= 0)
        points = defaultFont.pointSizeF();
    format.HalfPoints = points > 0 ? static_cast<int>(std::lround(points * 2)) : 20;
    format.Bold = q.hasProperty(QTextFormat::FontWeight) ? q.fontWeight() >= QFont::DemiBold : defaultFont.bold();
    format.Italic = q.fontItalic();
    format.Underline = q.fontUnderline();
    format.Strike = q.fontStrikeOut();
    format.Color = FromBrush(q, QTextFormat::ForegroundBrush);
    format.Highlight = FromBrush(q, QTextFormat::BackgroundBrush);
    return format;
}

Qt::Alignment ToQt(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Center:
        return Qt::AlignHCenter;
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Justify:
        return Qt::AlignJustify;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

Alignment FromQt(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return Alignment::Center;
    if (alignment & Qt::AlignRight)
        return Alignment::Right;
    if (alignment & Qt::AlignJustify)
        return Alignment::Justify;
    return Alignment::Left;
}

// Characters of a fragment that are not text: images and other embedded objects.
QString WithoutObjects(QString text)
{
    text.remove(QChar::ObjectReplacementCharacter);
    return text;
}

} // namespace

void RtfToDocument(std::string_view rtf, QTextDocument& document, int codePage)
{
    const RichText text = ReadRtf(rtf, codePage);
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    bool first = true;
    for (const Paragraph& paragraph : text.Paragraphs) {
        QTextBlockFormat blockFormat;
        blockFormat.setAlignment(ToQt(paragraph.Alignment));
        const QTextCharFormat mark = ToQt(paragraph.Mark);
        if (first) {
            cursor.setBlockFormat(blockFormat);
            cursor.setBlockCharFormat(mark);
            first = false;
        } else {
            cursor.insertBlock(blockFormat, mark);
        }
        for (const TextRun& run : paragraph.Runs)
            if (run.Picture)
                cursor.insertImage(PictureFormat(run.Picture));
            else
                cursor.insertText(QString::fromStdU16String(run.Text), ToQt(run.Format));
    }
    cursor.endEditBlock();
    document.setUndoRedoEnabled(true);
    document.setModified(false);
}

std::string DocumentToRtf(const QTextDocument& document, int codePage)
{
    const QFont defaultFont = document.defaultFont();
    RichText text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        Paragraph paragraph;
        paragraph.Alignment = FromQt(block.blockFormat().alignment());
        paragraph.Mark = FromQt(block.charFormat(), defaultFont);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            if (auto picture = PictureOf(fragment.charFormat())) {
                // One fragment holds neighbouring copies of the same picture.
                for (int i = 0; i < fragment.length(); ++i)
                    paragraph.Runs.push_back(TextRun{{}, {}, picture});
                continue;
            }
            paragraph.Runs.push_back(TextRun{FromQt(fragment.charFormat(), defaultFont),
                                             WithoutObjects(fragment.text()).toStdU16String(), nullptr});
        }
        text.Paragraphs.push_back(std::move(paragraph));
    }
    CharFormat defaults;
    defaults.Font = defaultFont.family().toStdString();
    defaults.HalfPoints = defaultFont.pointSizeF() > 0 ? static_cast<int>(std::lround(defaultFont.pointSizeF() * 2)) : 20;
    return WriteRtf(text, codePage, defaults);
}

} // namespace widgets::editor
