// One check of a window's accessibility tree as a screen reader reads it: every control a person
// can use has a name, buttons are reached with the keyboard, and the owner-drawn controls say
// what they are (buttons are buttons, grids are tables of cells, the clock is a label).
#pragma once

#include <QStringList>

class QWidget;

namespace testing_support {

// The problems found, one line each ("editButton: a Client, not a Button"); empty when sound.
QStringList AccessibilityProblems(QWidget& window);

} // namespace testing_support
