#include "library_chooser.h"

#include "main_window.h"
#include "platform/files.h"
#include "program_state.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace wrenfold {

TForm5::TForm5(ProgramState& state, QComboBox& mainSelector, QWidget* parent)
    : QDialog(parent), state_(state), mainSelector_(mainSelector) {
    setObjectName("TForm5");
    setWindowTitle("Language/Grammar selct");
    setWindowFlags((windowFlags() | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) &
                   ~Qt::WindowContextHelpButtonHint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);
    Label1 = new QLabel("Select one Language/Grammar Library", this);
    Label1->setObjectName("Label1");
    layout->addWidget(Label1);
    suiComboBox1 = new QComboBox(this);
    suiComboBox1->setObjectName("suiComboBox1");
    suiComboBox1->setEditable(false);
    suiComboBox1->setMinimumWidth(260);
    layout->addWidget(suiComboBox1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    suiButton1 = new QPushButton("Choose", this);
    suiButton1->setObjectName("suiButton1");
    suiButton1->setMinimumWidth(90);
    suiButton1->setDefault(true);
    row->addWidget(suiButton1);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize); // fixed size

    connect(suiComboBox1, &QComboBox::activated, this, &TForm5::suiComboBox1Change);
    connect(suiButton1, &QPushButton::clicked, this, &TForm5::suiButton1Click);
}

void TForm5::setVisible(bool visible) {
    if (visible && !isVisible()) {
        // Centred on the desktop rather than on the main window.
        adjustSize();
        QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QDialog::setVisible(visible);
}

void TForm5::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TForm5::FormShow() {
    suiComboBox1->clear();
    if (mainSelector_.count() == 0)
        return;
    for (int i = 0; i < mainSelector_.count(); ++i)
        suiComboBox1->addItem(mainSelector_.itemText(i), mainSelector_.itemData(i));
    int current = -1;
    for (int i = 0; i < suiComboBox1->count(); ++i) {
        if (platform::EqualsIgnoreCase(LibraryEntryName(*suiComboBox1, i), state_.currentLibraryName)) {
            current = i;
            break;
        }
    }
    suiComboBox1->setCurrentIndex(current);
}

void TForm5::suiComboBox1Change(int index) {
    state_.currentLibraryName = LibraryEntryName(*suiComboBox1, index);
    // The main selector shows the first entry that equals the name without regard to letter case
    // (of two names that differ only in case, the first one). Setting it runs no handler.
    for (int i = 0; i < suiComboBox1->count(); ++i) {
        if (platform::EqualsIgnoreCase(LibraryEntryName(*suiComboBox1, i), state_.currentLibraryName)) {
            mainSelector_.setCurrentIndex(i);
            break;
        }
    }
}

void TForm5::suiButton1Click() {
    accept();
}

} // namespace wrenfold
