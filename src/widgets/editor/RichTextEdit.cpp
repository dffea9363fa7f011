#include "widgets/editor/RichTextEdit.h"

#include "widgets/editor/DocumentPictures.h"
#include "widgets/editor/LinkFinder.h"
#include "widgets/editor/PictureImages.h"
#include "widgets/editor/RtfDocument.h"
#include "base/text/TextLines.h"

#include <QDragEnterEvent>
#include <QImageReader>
#include <QMimeData>
#include <QMouseEvent>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextDocumentFragment>

using base::result::Status;
using base::text::JoinLines;
using base::text::SplitLines;
using formats::rtf::Picture;

namespace widgets::editor {

namespace {

const QStringList RtfMimeTypes{"text/rtf", "application/rtf", "text/richtext"};

// Draws the links of each paragraph blue and underlined; display only, never stored.
class LinkHighlighter : public QSyntaxHighlighter {
public:
    explicit LinkHighlighter(QTextDocument* document) : QSyntaxHighlighter(document)
    {
        format_.setForeground(QColor(0, 0, 255));
        format_.setFontUnderline(true);
    }

protected:
    void highlightBlock(const QString& text) override
    {
        for (const widgets::editor::Link& link : widgets::editor::FindLinks(std::u16string_view(
                 reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()))))
            setFormat(static_cast<int>(link.Start), static_cast<int>(link.Length), format_);
    }

private:
    QTextCharFormat format_;
};

std::optional<QString> RtfOf(const QMimeData* source)
{
    for (const QString& type : RtfMimeTypes)
        if (source->hasFormat(type))
            return QString(type);
    return std::nullopt;
}

// The local files among the dropped or pasted addresses that an image reader opens.
QStringList ImageFilesOf(const QMimeData* source)
{
    QStringList files;
    if (!source->hasUrls())
        return files;
    for (const QUrl& url : source->urls())
        if (url.isLocalFile() && !QImageReader::imageFormat(url.toLocalFile()).isEmpty())
            files.push_back(url.toLocalFile());
    return files;
}

} // namespace

RichTextEdit::RichTextEdit(QWidget* parent) : QTextEdit(parent)
{
    new LinkHighlighter(document()); // owned by the document
    DrawPicturesToWidth(*document());
    viewport()->setMouseTracking(true);
}

void RichTextEdit::LoadRtf(std::string_view rtf)
{
    widgets::editor::RtfToDocument(rtf, *document());
}

std::string RichTextEdit::SaveRtf() const
{
    return widgets::editor::DocumentToRtf(*document());
}

void RichTextEdit::InsertPicture(const Picture& picture)
{
    textCursor().insertImage(PictureFormat(std::make_shared<const Picture>(picture)));
    ensureCursorVisible();
}

Status RichTextEdit::InsertPictureFile(const QString& path)
{
    auto picture = widgets::editor::PictureOfFile(path);
    if (!picture)
        return picture.Error();
    InsertPicture(*picture);
    return {};
}

std::optional<RichTextEdit::LinkHit> RichTextEdit::LinkAt(const QPoint& viewportPoint) const
{
    const QTextCursor cursor = cursorForPosition(viewportPoint);
    const QTextBlock block = cursor.block();
    if (!block.isValid())
        return std::nullopt;
    // The cursor lands between characters; the character hit is the one on the point's side.
    int offset = cursor.position() - block.position();
    if (viewportPoint.x() < cursorRect(cursor).left())
        --offset;
    const QRect lineRect = cursorRect(cursor);
    if (offset < 0 || viewportPoint.y() < lineRect.top() || viewportPoint.y() > lineRect.bottom())
        return std::nullopt;
    const QString text = block.text();
    for (const widgets::editor::Link& link : widgets::editor::FindLinks(std::u16string_view(
             reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size())))) {
        const auto start = static_cast<int>(link.Start);
        const auto length = static_cast<int>(link.Length);
        if (offset >= start && offset < start + length)
            return LinkHit{block.position() + start, block.position() + start + length, text.mid(start, length)};
    }
    return std::nullopt;
}

void RichTextEdit::mousePressEvent(QMouseEvent* event)
{
    QTextEdit::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (const auto link = LinkAt(event->position().toPoint())) {
        QTextCursor selection(document());
        selection.setPosition(link->Start);
        selection.setPosition(link->End, QTextCursor::KeepAnchor);
        setTextCursor(selection);
        emit OnURLClick(link->Url);
    }
}

void RichTextEdit::mouseMoveEvent(QMouseEvent* event)
{
    QTextEdit::mouseMoveEvent(event);
    viewport()->setCursor(LinkAt(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::IBeamCursor);
}

QMimeData* RichTextEdit::createMimeDataFromSelection() const
{
    QMimeData* data = QTextEdit::createMimeDataFromSelection();
    QTextDocument selected;
    selected.setDefaultFont(document()->defaultFont());
    QTextCursor(&selected).insertFragment(textCursor().selection());
    data->setData(RtfMimeTypes.front(), QByteArray::fromStdString(widgets::editor::DocumentToRtf(selected)));
    return data;
}

bool RichTextEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return RtfOf(source).has_value() || source->hasImage() || !ImageFilesOf(source).isEmpty() ||
           QTextEdit::canInsertFromMimeData(source);
}

void RichTextEdit::insertFromMimeData(const QMimeData* source)
{
    const auto type = RtfOf(source);
    if (!type) {
        InsertOtherMimeData(source);
        return;
    }
    const QByteArray rtf = source->data(*type);
    QTextDocument pasted;
    pasted.setDefaultFont(document()->defaultFont());
    widgets::editor::RtfToDocument(std::string_view(rtf.constData(), static_cast<size_t>(rtf.size())),
                                   pasted);
    textCursor().insertFragment(QTextDocumentFragment(&pasted));
    ensureCursorVisible();
}

void RichTextEdit::dragEnterEvent(QDragEnterEvent* event)
{
    // A picture dragged onto the body enters it, as a click would.
    if (isReadOnly() && (event->mimeData()->hasImage() || !ImageFilesOf(event->mimeData()).isEmpty()))
        setFocus(Qt::MouseFocusReason);
    QTextEdit::dragEnterEvent(event);
}

void RichTextEdit::InsertOtherMimeData(const QMimeData* source)
{
    if (source->hasImage()) {
        InsertPicture(widgets::editor::PictureOfImage(qvariant_cast<QImage>(source->imageData())));
        return;
    }
    const QStringList files = ImageFilesOf(source);
    if (files.isEmpty()) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    for (const QString& file : files)
        if (const Status added = InsertPictureFile(file); !added)
            emit PictureRefused(QString::fromStdString(added.Message()));
}

std::string RichTextToString(const RichTextEdit& edit)
{
    return JoinLines(SplitLines(edit.SaveRtf()));
}

void StringToRichText(std::string_view text, RichTextEdit& edit)
{
    edit.LoadRtf(JoinLines(SplitLines(text)));
}

} // namespace widgets::editor
