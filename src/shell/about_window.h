#pragma once
// The About window of both programs: the product title, the version label and two pictures.
#include <QDialog>

class QLabel;
class QPushButton;

namespace shell {

// Artwork of the About window, drawn to whatever size its panel has.
class AboutPicture : public QWidget {
    Q_OBJECT
public:
    enum Scene { Wren, Pages };
    AboutPicture(Scene scene, bool grey, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Scene scene_;
    bool grey_;
};

class TForm8 : public QDialog {
    Q_OBJECT
public:
    // productTitle: "Wrenfold Stencora 2.0" or "Wrenfold Verbarium 2.0"; grey selects the
    // grey look of wrenfold.
    TForm8(const QString& productTitle, bool grey, QWidget* parent = nullptr);

public slots:
    void suiButton1Click();

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace shell
