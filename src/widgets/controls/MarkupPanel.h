// MarkupPanel: a hatched panel that shows lines in a small HTML-like mark-up (b, i, u,
// font face/size/color, br), word-wrapped to the panel's width, instead of a caption.
#pragma once

#include "model/look/HtmlMarkup.h"
#include "widgets/controls/HatchedPanel.h"

#include <QFont>
#include <QStringList>

#include <string>
#include <vector>

namespace widgets::controls {

class MarkupPanel : public HatchedPanel {
    Q_OBJECT
public:
    explicit MarkupPanel(QWidget* parent = nullptr);

    QStringList MarkupLines() const { return markupLines_; }
    void SetMarkupLines(const QStringList& value);
    int Margin() const { return margin_; }
    void SetMargin(int value);
    // Each mark-up line ends a line of text (set), or the lines run on joined by blanks.
    bool LineBreaks() const { return lineBreaks_; }
    void SetLineBreaks(bool value);

    // The mark-up last parsed; nothing is drawn while it is empty.
    const std::string& PreparedText() const { return preparedText_; }
    const model::look::MarkupElementStack& Elements() const { return elements_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void PrepareText();
    QColor RunColor(const model::look::MarkupElement& element) const;

    QStringList markupLines_;
    int margin_ = 5;
    bool lineBreaks_ = true;
    std::string preparedText_;
    model::look::MarkupElementStack elements_;
    std::vector<QFont> fonts_; // one per element, made when measuring
};

} // namespace widgets::controls
