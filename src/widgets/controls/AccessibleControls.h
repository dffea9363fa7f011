// How assistive technology and the keyboard reach the owner-drawn controls: buttons as buttons
// named by their caption (or their hint when they have none), cell grids as tables whose cells
// say what they show, drawn labels as their caption and the clock as a label of the time it
// shows; the frame of a focused button.
#pragma once

#include <QString>

class QKeyEvent;
class QPainter;
class QRect;

namespace widgets::controls {

// Installs the descriptions once for the run; every owner-drawn control calls it when made.
void RegisterAccessibleControls();

// A button's spoken name: its caption without the accelerator mark, else its hint, first line.
QString AccessibleButtonName(const QString& caption, const QString& hint);

// The frame around a button that has the keyboard focus: dark and light dots, seen on any skin.
void PaintFocusFrame(QPainter& painter, const QRect& area);

// Whether the key presses a focused button (Space, Return, Enter).
bool PressesButton(const QKeyEvent& key);

} // namespace widgets::controls
