// The pictures of the tools, progress and about windows (OPBACKUP, OPRESTORE, OPEXPORT,
// OPFONT, OPPASSWORD, OPWEB, OPOK, the bar OPBAR and the progress icon PRICON), drawn at build
// time into the program's resources.
#pragma once

#include <QImage>

namespace windows::tools {

QImage OptionsGlyph(const char* name);

} // namespace windows::tools
