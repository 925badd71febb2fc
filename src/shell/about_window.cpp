#include "about_window.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace shell {

AboutPicture::AboutPicture(Scene scene, bool grey, QWidget* parent)
    : QWidget(parent), scene_(scene), grey_(grey) {}

static void DrawWren(QPainter& p, const QRectF& r, bool grey) {
    // Sky, a low sun, a branch and a small round bird with a cocked tail.
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, grey ? QColor(120, 130, 145) : QColor(88, 140, 210));
    sky.setColorAt(0.65, grey ? QColor(205, 205, 200) : QColor(250, 214, 160));
    sky.setColorAt(1, grey ? QColor(150, 150, 150) : QColor(236, 160, 110));
    p.fillRect(r, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 200, 200));
    p.drawEllipse(QPointF(r.left() + r.width() * 0.72, r.top() + r.height() * 0.58), r.width() * 0.16,
                  r.width() * 0.16);
    // hills
    QPainterPath hills;
    hills.moveTo(r.left(), r.bottom());
    hills.lineTo(r.left(), r.top() + r.height() * 0.78);
    hills.cubicTo(r.left() + r.width() * 0.3, r.top() + r.height() * 0.68, r.left() + r.width() * 0.6,
                  r.top() + r.height() * 0.88, r.right(), r.top() + r.height() * 0.74);
    hills.lineTo(r.right(), r.bottom());
    p.setBrush(grey ? QColor(90, 95, 100) : QColor(70, 110, 80));
    p.drawPath(hills);
    // branch
    QPen branch(QColor(70, 45, 30), r.width() * 0.035, Qt::SolidLine, Qt::RoundCap);
    p.setPen(branch);
    p.drawLine(QPointF(r.left() - 5, r.top() + r.height() * 0.52),
               QPointF(r.right() * 0.85, r.top() + r.height() * 0.44));
    p.drawLine(QPointF(r.left() + r.width() * 0.55, r.top() + r.height() * 0.46),
               QPointF(r.left() + r.width() * 0.7, r.top() + r.height() * 0.36));
    // leaves
    p.setPen(Qt::NoPen);
    p.setBrush(grey ? QColor(130, 135, 130) : QColor(90, 150, 70));
    for (int i = 0; i < 5; ++i) {
        QPointF c(r.left() + r.width() * (0.12 + 0.15 * i), r.top() + r.height() * (0.515 - 0.017 * i));
        p.drawEllipse(c + QPointF(0, r.height() * 0.025), r.width() * 0.05, r.height() * 0.018);
    }
    // the wren
    QPointF body(r.left() + r.width() * 0.42, r.top() + r.height() * 0.4);
    double s = r.width() * 0.11;
    QColor brown = grey ? QColor(95, 90, 85) : QColor(139, 94, 60);
    QPainterPath tail;
    tail.moveTo(body + QPointF(-s * 0.6, -s * 0.1));
    tail.lineTo(body + QPointF(-s * 1.25, -s * 1.2));
    tail.lineTo(body + QPointF(-s * 0.85, -s * 1.3));
    tail.lineTo(body + QPointF(-s * 0.2, -s * 0.4));
    p.setBrush(brown.darker(120));
    p.drawPath(tail);
    p.setBrush(brown);
    p.drawEllipse(body, s, s * 0.8);
    p.drawEllipse(body + QPointF(s * 0.8, -s * 0.55), s * 0.45, s * 0.42);
    p.setBrush(brown.lighter(150));
    p.drawEllipse(body + QPointF(s * 0.2, s * 0.25), s * 0.55, s * 0.4);
    p.setBrush(Qt::black);
    p.drawEllipse(body + QPointF(s * 0.95, -s * 0.62), s * 0.07, s * 0.07);
    QPainterPath beak;
    beak.moveTo(body + QPointF(s * 1.2, -s * 0.6));
    beak.lineTo(body + QPointF(s * 1.55, -s * 0.5));
    beak.lineTo(body + QPointF(s * 1.2, -s * 0.45));
    p.setBrush(QColor(60, 50, 40));
    p.drawPath(beak);
    // legs
    p.setPen(QPen(QColor(60, 50, 40), 1.5));
    p.drawLine(body + QPointF(-s * 0.1, s * 0.75), body + QPointF(-s * 0.15, s * 1.05));
    p.drawLine(body + QPointF(s * 0.2, s * 0.75), body + QPointF(s * 0.25, s * 1.02));
}

static void DrawPages(QPainter& p, const QRectF& r, bool grey) {
    // An open book with lines of text and a quill.
    QLinearGradient bg(r.topLeft(), r.bottomRight());
    bg.setColorAt(0, grey ? QColor(225, 225, 225) : QColor(230, 238, 250));
    bg.setColorAt(1, grey ? QColor(170, 170, 170) : QColor(180, 200, 232));
    p.fillRect(r, bg);
    QPointF c(r.center().x(), r.top() + r.height() * 0.55);
    double w = r.width() * 0.38, h = r.height() * 0.6;
    p.setPen(QPen(QColor(80, 80, 90), 1.2));
    for (int side : {-1, 1}) {
        QPainterPath page;
        page.moveTo(c.x(), c.y() - h * 0.45);
        page.cubicTo(c.x() + side * w * 0.4, c.y() - h * 0.58, c.x() + side * w * 0.8, c.y() - h * 0.5,
                     c.x() + side * w, c.y() - h * 0.48);
        page.lineTo(c.x() + side * w, c.y() + h * 0.42);
        page.cubicTo(c.x() + side * w * 0.8, c.y() + h * 0.4, c.x() + side * w * 0.4, c.y() + h * 0.35, c.x(),
                     c.y() + h * 0.5);
        page.closeSubpath();
        p.setBrush(QColor(255, 253, 245));
        p.drawPath(page);
        p.setPen(QPen(grey ? QColor(120, 120, 120) : QColor(90, 120, 170), 1));
        for (int i = 0; i < 7; ++i) {
            double y = c.y() - h * 0.32 + i * h * 0.1;
            double x0 = c.x() + side * w * 0.12, x1 = c.x() + side * w * (i == 6 ? 0.55 : 0.88);
            p.drawLine(QPointF(std::min(x0, x1), y), QPointF(std::max(x0, x1), y));
        }
        p.setPen(QPen(QColor(80, 80, 90), 1.2));
    }
    // quill
    QPainterPath quill;
    QPointF tip(r.left() + r.width() * 0.78, r.top() + r.height() * 0.62);
    quill.moveTo(tip);
    quill.cubicTo(tip + QPointF(r.width() * 0.02, -r.height() * 0.3),
                  tip + QPointF(r.width() * 0.12, -r.height() * 0.45),
                  tip + QPointF(r.width() * 0.18, -r.height() * 0.55));
    quill.cubicTo(tip + QPointF(r.width() * 0.06, -r.height() * 0.4),
                  tip + QPointF(r.width() * 0.03, -r.height() * 0.2), tip);
    p.setBrush(grey ? QColor(110, 110, 110) : QColor(200, 90, 60));
    p.drawPath(quill);
}

void AboutPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r = rect();
    if (scene_ == Wren)
        DrawWren(p, r, grey_);
    else
        DrawPages(p, r, grey_);
}

static QFrame* LoweredPanel(const QString& name, QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(2, 2, 2, 2);
    return panel;
}

TForm8::TForm8(const QString& productTitle, bool grey, QWidget* parent) : QDialog(parent) {
    setObjectName("TForm8");
    setWindowTitle("About Wrenfold");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(531, 386);

    QFrame* panel1 = LoweredPanel("Panel1", this);
    panel1->setGeometry(10, 10, 249, 321);
    auto* image1 = new AboutPicture(AboutPicture::Wren, grey, panel1);
    image1->setObjectName("Image1");
    panel1->layout()->addWidget(image1);

    QFrame* panel2 = LoweredPanel("Panel2", this);
    panel2->setGeometry(272, 10, 249, 181);
    auto* image3 = new AboutPicture(AboutPicture::Pages, grey, panel2);
    image3->setObjectName("Image3");
    panel2->layout()->addWidget(image3);

    auto* label5 = new QLabel(productTitle, this);
    label5->setObjectName("Label5");
    QFont bold = label5->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 3);
    label5->setFont(bold);
    label5->setGeometry(272, 212, 249, 28);

    auto* label1 = new QLabel("Vision 2.0 Standard (Build 2.012)", this);
    label1->setObjectName("Label1");
    label1->setGeometry(272, 246, 249, 22);

    auto* bevel = new QFrame(this);
    bevel->setObjectName("Bevel1");
    bevel->setFrameStyle(QFrame::HLine | QFrame::Raised);
    bevel->setGeometry(8, 340, 515, 4);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("suiButton1");
    ok->setDefault(true);
    ok->setAutoDefault(true);
    ok->setGeometry(531 - 10 - 92, 350, 92, 28);
    connect(ok, &QPushButton::clicked, this, &TForm8::suiButton1Click);
}

void TForm8::suiButton1Click() {
    accept();
}

void TForm8::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* screen = this->screen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    if (auto* ok = findChild<QPushButton*>("suiButton1"))
        ok->setFocus();
}

} // namespace shell
