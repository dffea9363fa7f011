#include "widgets/editor/RtfDocument.h"

#include "formats/rtf/RtfReader.h"
#include "formats/rtf/RtfWriter.h"

#include <QTextBlock>
#include <QTextCursor>

#include <cmath>

namespace editor {

namespace {

QColor ToQColor(uint32_t rgb)
{
    return QColor(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF));
}

uint32_t FromBrush(const QTextFormat& format, int property)
{
    if (!format.hasProperty(property))
        return rtf::Automatic;
    const QBrush brush = format.brushProperty(property);
    if (brush.style() == Qt::NoBrush)
        return rtf::Automatic;
    return static_cast<uint32_t>(brush.color().rgb()) & 0xFFFFFF;
}

QTextCharFormat ToQt(const rtf::CharFormat& format)
{
    QTextCharFormat q;
    if (!format.font.empty())
        q.setFontFamilies(QStringList{QString::fromStdString(format.font)});
    if (format.halfPoints > 0)
        q.setFontPointSize(format.halfPoints / 2.0);
    q.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    q.setFontItalic(format.italic);
    q.setFontUnderline(format.underline);
    q.setFontStrikeOut(format.strike);
    if (format.color != rtf::Automatic)
        q.setForeground(ToQColor(format.color));
    if (format.highlight != rtf::Automatic)
        q.setBackground(ToQColor(format.highlight));
    return q;
}

rtf::CharFormat FromQt(const QTextCharFormat& q, const QFont& defaultFont)
{
    rtf::CharFormat format;
    const QStringList families = q.fontFamilies().toStringList();
    format.font = (families.isEmpty() ? defaultFont.family() : families.front()).toStdString();
    double points = q.fontPointSize();
    if (points <= 0)
        points = defaultFont.pointSizeF();
    format.halfPoints = points > 0 ? static_cast<int>(std::lround(points * 2)) : 20;
    format.bold = q.hasProperty(QTextFormat::FontWeight) ? q.fontWeight() >= QFont::DemiBold : defaultFont.bold();
    format.italic = q.fontItalic();
    format.underline = q.fontUnderline();
    format.strike = q.fontStrikeOut();
    format.color = FromBrush(q, QTextFormat::ForegroundBrush);
    format.highlight = FromBrush(q, QTextFormat::BackgroundBrush);
    return format;
}

Qt::Alignment ToQt(rtf::Alignment alignment)
{
    switch (alignment) {
    case rtf::Alignment::Center:
        return Qt::AlignHCenter;
    case rtf::Alignment::Right:
        return Qt::AlignRight;
    case rtf::Alignment::Justify:
        return Qt::AlignJustify;
    case rtf::Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

rtf::Alignment FromQt(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return rtf::Alignment::Center;
    if (alignment & Qt::AlignRight)
        return rtf::Alignment::Right;
    if (alignment & Qt::AlignJustify)
        return rtf::Alignment::Justify;
    return rtf::Alignment::Left;
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
    const rtf::RichText text = rtf::ReadRtf(rtf, codePage);
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    bool first = true;
    for (const rtf::Paragraph& paragraph : text.paragraphs) {
        QTextBlockFormat blockFormat;
        blockFormat.setAlignment(ToQt(paragraph.alignment));
        const QTextCharFormat mark = ToQt(paragraph.mark);
        if (first) {
            cursor.setBlockFormat(blockFormat);
            cursor.setBlockCharFormat(mark);
            first = false;
        } else {
            cursor.insertBlock(blockFormat, mark);
        }
        for (const rtf::TextRun& run : paragraph.runs)
            cursor.insertText(QString::fromStdU16String(run.text), ToQt(run.format));
    }
    cursor.endEditBlock();
    document.setUndoRedoEnabled(true);
    document.setModified(false);
}

std::string DocumentToRtf(const QTextDocument& document, int codePage)
{
    const QFont defaultFont = document.defaultFont();
    rtf::RichText text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        rtf::Paragraph paragraph;
        paragraph.alignment = FromQt(block.blockFormat().alignment());
        paragraph.mark = FromQt(block.charFormat(), defaultFont);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            paragraph.runs.push_back(
                rtf::TextRun{FromQt(fragment.charFormat(), defaultFont), WithoutObjects(fragment.text()).toStdU16String()});
        }
        text.paragraphs.push_back(std::move(paragraph));
    }
    rtf::CharFormat defaults;
    defaults.font = defaultFont.family().toStdString();
    defaults.halfPoints = defaultFont.pointSizeF() > 0 ? static_cast<int>(std::lround(defaultFont.pointSizeF() * 2)) : 20;
    return rtf::WriteRtf(text, codePage, defaults);
}

} // namespace editor
