// FlatEdit: a one-line edit box that takes other colours while it has the focus, can
// restrict the characters typed or pasted, force upper case or a capital first letter, treat
// Enter as a move to the next control, and undo the typing of the current visit with Escape.
// Characters the diary code page cannot hold are refused as they are typed or pasted.
#pragma once

#include <QColor>
#include <QLineEdit>

#include <functional>
#include <string>

namespace widgets::controls {

struct FlatEditOptions {
    bool EnterAsTab = false;
    bool EscCancels = false;
    bool UpperCase = false;
    bool FirstUpperCase = false;
};

class FlatEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit FlatEdit(QWidget* parent = nullptr);

    QColor ColorOnFocus() const { return colorOnFocus_; }
    void SetColorOnFocus(const QColor& color);
    QColor TextColorOnFocus() const { return textColorOnFocus_; }
    void SetTextColorOnFocus(const QColor& color) { textColorOnFocus_ = color; }
    // When not empty, the only characters (bytes of the diary code page) that may be entered.
    const std::string& AcceptChars() const { return acceptChars_; }
    void SetAcceptChars(std::string chars);

    FlatEditOptions Options;

    std::function<void(FlatEdit& sender)> OnEnter;
    std::function<void(FlatEdit& sender)> OnExit;
    std::function<void(FlatEdit& sender)> OnChange;
    // A character about to be typed (13 for Enter); setting it to 0 swallows it.
    std::function<void(FlatEdit& sender, char32_t& key)> OnKeyPress;

    // What was said to the user about the last character refused for the code page.
    const QString& LastRefusal() const { return lastRefusal_; }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void TextChanged();
    QString Cleaned(const QString& text);
    bool Accepted(QChar c) const;
    void Refuse(const QString& characters);

    QColor colorOnFocus_;
    QColor textColorOnFocus_;
    std::string acceptChars_;
    bool entered_ = false; // between the focus arriving and leaving
    QColor savedBase_;
    QColor savedText_;
    QString textOnEnter_;
    QString lastRefusal_;
};

} // namespace widgets::controls
