#pragma once
// A panel with a caption bar; the button on the bar folds the panel to the bar and opens it again.
#include <QFrame>

class QLabel;
class QToolButton;

namespace wrenfold {

class FoldingPanel : public QFrame {
    Q_OBJECT
public:
    FoldingPanel(const QString& caption, QWidget* parent = nullptr);
    // The widget that holds the panel's controls; give it a layout.
    QWidget* body() const { return body_; }
    QToolButton* foldButton() const { return button_; }
    bool isFolded() const;
    void setFolded(bool folded);

private:
    QLabel* caption_;
    QToolButton* button_;
    QWidget* body_;
};

} // namespace wrenfold
