#pragma once
// Plain-text printing: one printer line per line given, a new page whenever the next line would
// not fit on the current one.
#include <QStringList>

class QFont;
class QPrinter;

namespace wrenfold {

// Prints lines on printer in font, from the top of the printable area of the first page down.
// Returns the number of pages printed (at least one). Throws platform::Error when the printer
// cannot be started (for example an output file that cannot be created).
int PrintTextLines(QPrinter& printer, const QStringList& lines, const QFont& font);

} // namespace wrenfold
