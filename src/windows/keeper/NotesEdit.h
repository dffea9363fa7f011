// The notes box of the entry dialog: several lines of at most MaxLength characters as stored
// (a line break counts two, CR LF), refusing characters the diary code page cannot hold.
#pragma once

#include <QPlainTextEdit>

#include <string>

namespace windows::keeper {

class NotesEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int MaxLength = 100;

    explicit NotesEdit(QWidget* parent = nullptr);

    // The text as stored: code-page bytes, lines ending in CR LF.
    std::string Notes() const;
    void SetNotes(const std::string& notes);

private:
    void OnTextChanged();

    QString accepted_;
};

} // namespace windows::keeper
