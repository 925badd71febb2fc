#pragma once
// Small pieces the stencora windows share: the skinned panel with a caption strip, the blue
// "Help" link label, and UTF-8 conversions between the windows and the no-widget logic.
#include <QFrame>
#include <QLabel>
#include <string>

class QVBoxLayout;

namespace stencora {

// A framed panel with a caption strip across its top (the skin styles QLabel#PanelCaption).
// Content goes into body().
class CaptionPanel : public QFrame {
    Q_OBJECT
public:
    CaptionPanel(const QString& objectName, const QString& caption, QWidget* parent = nullptr);
    QLabel* caption() const { return caption_; }
    QVBoxLayout* body() const { return body_; }

private:
    QLabel* caption_;
    QVBoxLayout* body_;
};

// A link label: blue, underlined, hand cursor; clicked() on a left-button release over it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& objectName, const QString& text, const QString& hint, QWidget* parent = nullptr);
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

inline std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}
inline QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace stencora
