#include "folding_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace wrenfold {

FoldingPanel::FoldingPanel(const QString& caption, QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    // As tall as its contents: folded, the panel is its caption bar.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // The caption bar: the skin draws labels named PanelCaption as a panel's title bar.
    caption_ = new QLabel(caption, this);
    caption_->setObjectName("PanelCaption");
    auto* bar = new QHBoxLayout(caption_);
    bar->setContentsMargins(0, 0, 2, 0);
    bar->addStretch();
    button_ = new QToolButton(caption_);
    button_->setObjectName("PanelFoldButton");
    button_->setAutoRaise(true);
    button_->setArrowType(Qt::UpArrow);
    button_->setToolTip("Fold the panel");
    button_->setFixedSize(18, 16);
    bar->addWidget(button_);
    caption_->setMinimumHeight(20);
    caption_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(caption_);

    body_ = new QWidget(this);
    body_->setObjectName("PanelBody");
    layout->addWidget(body_);

    connect(button_, &QToolButton::clicked, this, [this] { setFolded(!isFolded()); });
}

bool FoldingPanel::isFolded() const {
    return body_->isHidden();
}

void FoldingPanel::setFolded(bool folded) {
    body_->setHidden(folded);
    button_->setArrowType(folded ? Qt::DownArrow : Qt::UpArrow);
    button_->setToolTip(folded ? "Open the panel" : "Fold the panel");
}

} // namespace wrenfold
