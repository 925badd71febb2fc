#include "text_printing.h"

#include "platform/errors.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace wrenfold {

int PrintTextLines(QPrinter& printer, const QStringList& lines, const QFont& font) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString where =
            printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        throw platform::Error("Cannot start printing on \"" + where.toStdString() + "\".");
    }
    painter.setFont(font);
    const QFontMetrics metrics(painter.font(), &printer);
    const int lineHeight = qMax(1, metrics.lineSpacing());
    const int pageHeight = printer.height(); // the printable area, in device pixels
    int pages = 1;
    int y = 0;
    for (const QString& line : lines) {
        if (y > 0 && y + lineHeight > pageHeight) {
            printer.newPage();
            ++pages;
            y = 0;
        }
        painter.drawText(0, y + metrics.ascent(), line);
        y += lineHeight;
    }
    painter.end();
    return pages;
}

} // namespace wrenfold
