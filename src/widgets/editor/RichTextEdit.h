// The diary body: a rich-text editor that loads and saves its whole content as RTF, shows web
// and mail addresses as links while typing and after loading, and reports a left click on one
// through OnURLClick. Copy and paste carry RTF besides Qt's own formats; an image pasted or an
// image file dropped becomes a picture of the body.
#pragma once

#include "base/result/Result.h"
#include "formats/rtf/RichText.h"

#include <QTextEdit>

#include <optional>
#include <string>
#include <string_view>

namespace widgets::editor {

class RichTextEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextEdit(QWidget* parent = nullptr);

    // Replaces the content with the RTF (or plain text) source; undo is cleared and the
    // content is left unmodified.
    void LoadRtf(std::string_view rtf);
    std::string SaveRtf() const;

    // Adds the picture at the caret, replacing the selection.
    void InsertPicture(const formats::rtf::Picture& picture);
    // Adds the picture of an image file at the caret; a file that cannot be added is refused.
    base::result::Status InsertPictureFile(const QString& path);

    // The link under a point of the viewport: its range in the document and its text.
    struct LinkHit {
        int Start;
        int End;
        QString Url;
    };
    std::optional<LinkHit> LinkAt(const QPoint& viewportPoint) const;

signals:
    // A left click on a link; the link is selected.
    void OnURLClick(const QString& url);
    // A dropped or pasted picture was not added; the message says why.
    void PictureRefused(const QString& message);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void dragEnterEvent(QDragEnterEvent* event) override;

private:
    // Images, image files, and what Qt's own editor takes.
    void InsertOtherMimeData(const QMimeData* source);
};

// The body as stored text: the control's RTF as lines, each followed by CR LF.
std::string RichTextToString(const RichTextEdit& edit);

// Loads stored body text into the control: split into lines, rejoined with CR LF and loaded as
// RTF (text that is not RTF loads as plain text).
void StringToRichText(std::string_view text, RichTextEdit& edit);

} // namespace widgets::editor
