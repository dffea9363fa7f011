#include "widgets/editor/BodyPrint.h"

#include "widgets/editor/DocumentPictures.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

#include <memory>

namespace widgets::editor {

QRect BodyPageRect(int offsetX, int offsetY, int width, int height)
{
    const int left = offsetX + 60;
    const int top = offsetY + 100;
    return QRect(QPoint(left, top), QPoint(width - 2 * left, height - 2 * top));
}

bool PrintDocument(const QTextDocument& document, QPrinter& printer)
{
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
    const QPoint offset = printable.topLeft() - paper.topLeft();
    const QRect area = BodyPageRect(offset.x(), offset.y(), paper.width(), paper.height());
    if (area.width() <= 0 || area.height() <= 0)
        return false;

    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&printer);
    DrawPicturesToWidth(*copy);
    copy->setPageSize(area.size());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const int pages = copy->pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            printer.newPage();
        painter.save();
        painter.translate(area.left(), area.top() - page * area.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * area.height(), area.width(), area.height());
        painter.setClipRect(context.clip);
        copy->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

} // namespace widgets::editor
