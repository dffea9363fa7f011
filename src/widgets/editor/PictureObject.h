// PictureObject: draws the images of a body's document in place of Qt's own image handler. A
// picture of the body is decoded when it is first drawn; every image is drawn at its size,
// scaled down to the width of the text (and to the printer's resolution when printed).
#pragma once

#include <QObject>
#include <QTextObjectInterface>

class QTextImageFormat;

namespace widgets::editor {

class PictureObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    explicit PictureObject(QObject* parent) : QObject(parent) {}

    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                    const QTextFormat& format) override;

private:
    // The image of the format, decoded on first use and kept as the document's resource.
    static QImage Image(QTextDocument& document, const QTextImageFormat& format);
};

} // namespace widgets::editor
