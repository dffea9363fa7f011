// The notes box of the entry dialog: several lines of at most MaxLength characters as stored
// (a line break counts two, CR LF), refusing characters the diary code page cannot hold.
#pragma once

#include <QPlainTextEdit>

#include <string>

namespace birthdays {

class TNotesEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TNotesEdit(QWidget* parent = nullptr);

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length) { maxLength_ = length; }

    // The text as stored: code-page bytes, lines ending in CR LF.
    std::string Notes() const;
    void SetNotes(const std::string& notes);

private:
    void TextChanged();

    int maxLength_ = 100;
    QString accepted_;
};

} // namespace birthdays
