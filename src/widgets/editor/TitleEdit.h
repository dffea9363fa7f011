// The day's title box: one line of at most 100 characters that the diary can store. It refuses,
// where they are typed or pasted, characters the diary code page cannot hold and a second "@"
// right after one ("@@" separates the title from the body in the diary file), telling why in
// a tooltip. Down and Enter move on to the next control.
#pragma once

#include <QLineEdit>

namespace widgets::editor {

class TitleEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TitleEdit(QWidget* parent = nullptr);

    // Why the last input was refused ("" when nothing was).
    const QString& LastRefusal() const { return lastRefusal_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void TellRefusal();

    QString lastRefusal_;
};

// Why a title text cannot be kept, or "" when it can.
QString TitleRefusal(const QString& text);

} // namespace widgets::editor
