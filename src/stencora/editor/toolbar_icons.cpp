#include "toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace stencora {

namespace {

// Every icon is drawn on a 24 by 24 grid and scaled to the pixmap's size.
const QColor kOutline(60, 72, 92);
const QColor kPaper(255, 255, 255);
const QColor kPaperShade(226, 233, 243);
const QColor kBlue(52, 108, 186);

QPen Outline(double width = 1.0) {
    return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Page(QPainter& p, const QRectF& r, double fold) {
    QPainterPath page;
    page.moveTo(r.left(), r.top());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.right(), r.bottom());
    page.lineTo(r.left(), r.bottom());
    page.closeSubpath();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, kPaper);
    g.setColorAt(1, kPaperShade);
    p.setPen(Outline());
    p.setBrush(g);
    p.drawPath(page);
    if (fold > 0) {
        QPainterPath corner;
        corner.moveTo(r.right() - fold, r.top());
        corner.lineTo(r.right() - fold, r.top() + fold);
        corner.lineTo(r.right(), r.top() + fold);
        p.setBrush(kPaperShade.darker(110));
        p.drawPath(corner);
    }
}

void TextLines(QPainter& p, const QRectF& r, int count) {
    p.setPen(QPen(QColor(140, 155, 178), 1.0));
    for (int i = 0; i < count; ++i) {
        const double y = r.top() + i * 2.5;
        const double right = i == count - 1 ? r.left() + r.width() * 0.6 : r.right();
        p.drawLine(QPointF(r.left(), y), QPointF(right, y));
    }
}

void DrawNew(QPainter& p) {
    Page(p, QRectF(5.5, 2.5, 13, 19), 4.5);
    TextLines(p, QRectF(8, 10, 8, 0), 4);
    // a small spark: something new
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(247, 190, 40));
    QPainterPath star;
    const QPointF c(18.5, 5.5);
    for (int i = 0; i < 8; ++i) {
        const double radius = i % 2 == 0 ? 4.2 : 1.5;
        const double a = i * 3.14159265 / 4;
        const QPointF pt = c + QPointF(radius * std::sin(a), -radius * std::cos(a));
        i == 0 ? star.moveTo(pt) : star.lineTo(pt);
    }
    star.closeSubpath();
    p.drawPath(star);
}

void DrawOpen(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(QColor(222, 168, 58));
    QPainterPath back;
    back.moveTo(2.5, 19.5);
    back.lineTo(2.5, 5.5);
    back.lineTo(8.5, 5.5);
    back.lineTo(10.5, 7.5);
    back.lineTo(19.5, 7.5);
    back.lineTo(19.5, 19.5);
    back.closeSubpath();
    p.drawPath(back);
    Page(p, QRectF(6.5, 4.5, 11, 10), 0);
    QLinearGradient g(0, 10, 0, 20);
    g.setColorAt(0, QColor(255, 214, 102));
    g.setColorAt(1, QColor(240, 178, 50));
    p.setBrush(g);
    QPainterPath flap;
    flap.moveTo(2.5, 19.5);
    flap.lineTo(6.0, 11.5);
    flap.lineTo(22.0, 11.5);
    flap.lineTo(19.5, 19.5);
    flap.closeSubpath();
    p.drawPath(flap);
}

void DrawSave(QPainter& p) {
    p.setPen(Outline());
    QLinearGradient g(0, 3, 0, 21);
    g.setColorAt(0, QColor(86, 138, 212));
    g.setColorAt(1, QColor(40, 86, 160));
    p.setBrush(g);
    QPainterPath disk;
    disk.moveTo(3.5, 3.5);
    disk.lineTo(18.0, 3.5);
    disk.lineTo(20.5, 6.0);
    disk.lineTo(20.5, 20.5);
    disk.lineTo(3.5, 20.5);
    disk.closeSubpath();
    p.drawPath(disk);
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 3.5, 11, 7));
    p.setBrush(QColor(200, 205, 212));
    p.drawRect(QRectF(7.5, 14.5, 9, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawRect(QRectF(13.5, 15.5, 2, 4));
}

void DrawPrint(QPainter& p) {
    p.setPen(Outline());
    Page(p, QRectF(6.5, 2.5, 11, 8), 0);
    QLinearGradient g(0, 9, 0, 18);
    g.setColorAt(0, QColor(196, 202, 212));
    g.setColorAt(1, QColor(140, 148, 162));
    p.setPen(Outline());
    p.setBrush(g);
    p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 200, 90));
    p.drawEllipse(QPointF(18.5, 12.0), 1.0, 1.0);
    Page(p, QRectF(6.5, 14.5, 11, 7), 0);
    TextLines(p, QRectF(8.5, 17, 7, 0), 2);
}

void DrawCopy(QPainter& p) {
    Page(p, QRectF(3.5, 2.5, 11, 14), 3.5);
    TextLines(p, QRectF(5.5, 8, 7, 0), 3);
    Page(p, QRectF(9.5, 7.5, 11, 14), 3.5);
    TextLines(p, QRectF(11.5, 13, 7, 0), 3);
}

void DrawCut(QPainter& p) {
    p.setPen(QPen(QColor(120, 128, 140), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8.5, 2.5), QPointF(15.0, 15.0));
    p.drawLine(QPointF(15.5, 2.5), QPointF(9.0, 15.0));
    p.setPen(QPen(QColor(196, 52, 52), 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(7.5, 18.0), 3.2, 3.2);
    p.drawEllipse(QPointF(16.5, 18.0), 3.2, 3.2);
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(12.0, 10.2), 1.0, 1.0);
}

void DrawPaste(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(QColor(176, 128, 76));
    p.drawRoundedRect(QRectF(3.5, 4.5, 14, 17), 1.5, 1.5);
    p.setBrush(QColor(190, 196, 206));
    p.drawRoundedRect(QRectF(7.0, 2.5, 7, 4), 1, 1);
    Page(p, QRectF(10.5, 9.5, 10, 12), 3);
    TextLines(p, QRectF(12.5, 14, 6, 0), 3);
}

void DrawUndo(QPainter& p) {
    QPainterPath arc;
    arc.moveTo(6.5, 11.0);
    arc.cubicTo(9.0, 6.5, 18.5, 6.0, 19.5, 12.5);
    arc.cubicTo(20.0, 16.5, 17.0, 19.5, 13.0, 19.5);
    p.setPen(QPen(kBlue, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    QPainterPath head;
    head.moveTo(3.0, 6.5);
    head.lineTo(4.0, 14.5);
    head.lineTo(11.0, 11.5);
    head.closeSubpath();
    p.setPen(QPen(kBlue, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kBlue);
    p.drawPath(head);
}

void Calendar(QPainter& p, const QRectF& r) {
    p.setPen(Outline());
    p.setBrush(kPaper);
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setBrush(QColor(204, 60, 52));
    p.drawRect(QRectF(r.left(), r.top(), r.width(), 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 162, 180));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(r.left() + 2 + col * 3.2, r.top() + 6 + row * 3.2, 2, 2));
}

void DrawInsertDateTime(QPainter& p) {
    Calendar(p, QRectF(2.5, 3.5, 15, 15));
    // a clock over the corner
    p.setPen(Outline());
    p.setBrush(QColor(250, 250, 236));
    p.drawEllipse(QPointF(16.5, 16.5), 6.0, 6.0);
    p.setPen(QPen(kOutline, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16.5, 16.5), QPointF(16.5, 12.5));
    p.drawLine(QPointF(16.5, 16.5), QPointF(19.5, 17.5));
}

void DrawInsertDateTimeTokens(QPainter& p) {
    Calendar(p, QRectF(2.5, 3.5, 15, 15));
    // a tag with "<#>": the tokens, not the values
    p.setPen(Outline());
    p.setBrush(QColor(70, 160, 96));
    p.drawRoundedRect(QRectF(9.5, 12.5, 13.5, 9), 2, 2);
    QFont f;
    f.setPixelSize(7);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(9.5, 12.5, 13.5, 9), Qt::AlignCenter, "<#>");
}

void DrawHelp(QPainter& p) {
    QRadialGradient g(QPointF(10, 8), 12);
    g.setColorAt(0, QColor(110, 165, 235));
    g.setColorAt(1, QColor(36, 90, 170));
    p.setPen(Outline());
    p.setBrush(g);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    QFont f;
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, "?");
}

void Draw(ToolbarIcon kind, QPainter& p) {
    switch (kind) {
    case ToolbarIcon::NewDocument:
        return DrawNew(p);
    case ToolbarIcon::Open:
        return DrawOpen(p);
    case ToolbarIcon::Save:
        return DrawSave(p);
    case ToolbarIcon::Print:
        return DrawPrint(p);
    case ToolbarIcon::Copy:
        return DrawCopy(p);
    case ToolbarIcon::Cut:
        return DrawCut(p);
    case ToolbarIcon::Paste:
        return DrawPaste(p);
    case ToolbarIcon::Undo:
        return DrawUndo(p);
    case ToolbarIcon::InsertDateTime:
        return DrawInsertDateTime(p);
    case ToolbarIcon::InsertDateTimeTokens:
        return DrawInsertDateTimeTokens(p);
    case ToolbarIcon::Help:
        return DrawHelp(p);
    }
}

} // namespace

QIcon MakeToolbarIcon(ToolbarIcon kind) {
    QIcon icon;
    for (int size : {16, 20, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(size / 24.0, size / 24.0);
        Draw(kind, p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace stencora
