// What the program says about itself: its web address, shown by the main window's link label
// and opened from the tools and about windows.
#pragma once

#include <QString>

namespace widgets {

inline QString ProductWebAddress()
{
    return QStringLiteral("https://daybrook.example.org/");
}

} // namespace widgets
