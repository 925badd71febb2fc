#pragma once
// The library chooser of wrenfold: a small modal dialog that makes a library of the main window's
// selector the current one. A pick takes effect at once; the dialog has no cancel.
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace wrenfold {

struct ProgramState;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    // mainSelector: the main window's library selector, read on every showing and set by a pick.
    TForm5(ProgramState& state, QComboBox& mainSelector, QWidget* parent = nullptr);

    QComboBox* comboBox() const { return suiComboBox1; }
    QPushButton* chooseButton() const { return suiButton1; }

    void setVisible(bool visible) override;

public slots:
    void FormShow();
    void suiComboBox1Change(int index);
    void suiButton1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    ProgramState& state_;
    QComboBox& mainSelector_;
    QLabel* Label1;
    QComboBox* suiComboBox1;
    QPushButton* suiButton1;
};

} // namespace wrenfold
