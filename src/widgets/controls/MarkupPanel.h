// MarkupPanel: a hatched panel whose caption is a list of lines in a small HTML-like
// mark-up (b, i, u, font face/size/color, br), drawn word-wrapped to the panel's width.
#pragma once

#include "model/look/HtmlMarkup.h"
#include "widgets/controls/HatchedPanel.h"

#include <QFont>
#include <QStringList>

#include <string>
#include <vector>

namespace widgets {

class MarkupPanel : public HatchedPanel {
    Q_OBJECT
public:
    explicit MarkupPanel(QWidget* parent = nullptr);

    // The mark-up lines; replaces the plain panel caption, which stays empty.
    QStringList Caption() const { return caption_; }
    void SetCaption(const QStringList& value);
    int Margin() const { return margin_; }
    void SetMargin(int value);
    bool UseCRLF() const { return useCRLF_; }
    void SetUseCRLF(bool value);
    QStringList About() const;

    // The mark-up last parsed; nothing is drawn while it is empty.
    const std::string& PreparedText() const { return preparedText_; }
    const MarkupElementStack& Elements() const { return elements_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void PrepareText();
    QColor RunColor(const MarkupElement& element) const;

    QStringList caption_;
    int margin_ = 5;
    bool useCRLF_ = true;
    std::string preparedText_;
    MarkupElementStack elements_;
    std::vector<QFont> fonts_; // one per element, made when measuring
};

} // namespace widgets
