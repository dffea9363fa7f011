// One check of a window's layout read from its live widgets: no two sibling controls overlap
// (unless one is a background picture), every control lies inside the window, and every caption
// fits its control in the control's font.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace testing_support {

// The problems found, one line each ("searchButton overlaps titleEdit"); empty when sound.
QStringList LayoutProblems(const QWidget& window);

} // namespace testing_support
