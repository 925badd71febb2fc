#include "window_parts.h"

#include <QMouseEvent>
#include <QVBoxLayout>

namespace stencora {

CaptionPanel::CaptionPanel(const QString& objectName, const QString& caption, QWidget* parent)
    : QFrame(parent) {
    setObjectName(objectName);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(1, 1, 1, 1);
    outer->setSpacing(0);
    caption_ = new QLabel(caption, this);
    caption_->setObjectName("PanelCaption");
    outer->addWidget(caption_);
    body_ = new QVBoxLayout;
    body_->setContentsMargins(8, 6, 8, 8);
    body_->setSpacing(4);
    outer->addLayout(body_, 1);
}

LinkLabel::LinkLabel(const QString& objectName, const QString& text, const QString& hint, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(objectName);
    setToolTip(hint);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setStyleSheet("color: #0000ff;");
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace stencora
