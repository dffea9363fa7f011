// The "On this day" lines of the main window's left column: the entries of the shown month and
// day in earlier years, newest first, each with its mood's small picture; a click on one goes to
// its day. White text with the date label's shadow reads on every skin; with nothing to list the
// panel is hidden.
#pragma once

#include "model/onthisday/EarlierEntries.h"

#include <QList>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <vector>

class QAbstractButton;

namespace widgets::controls {
class ShadowLabel;
} // namespace widgets::controls

namespace windows::main {

class OnThisDayPanel : public QWidget {
public:
    explicit OnThisDayPanel(QWidget* parent);

    void ShowEntries(const model::onthisday::EarlierEntries& entries);

    // Called with the date of the line clicked.
    std::function<void(const base::dates::Date&)> OnDayChosen;

private:
    std::vector<base::dates::Date> dates_; // of the lines shown, in their order
    QList<QPixmap> moodIcons_;
    widgets::controls::ShadowLabel* headingLabel_ = nullptr;
    std::vector<QAbstractButton*> lineButtons_;
    widgets::controls::ShadowLabel* moreLabel_ = nullptr;
};

} // namespace windows::main
