// The Insert and Templates menus of the main window: dates, times and their tokens, and
// new-wizard mode.
#include "main_window.h"

#include "stencora/templates/program_state.h"
#include "stencora/templates/template_filling.h"

#include <QAction>
#include <QPushButton>

namespace stencora {

void TForm1::Date1Click() {
    replaceSelection(dateTime_.dateText());
}

void TForm1::ime1Click() {
    replaceSelection(dateTime_.timeText());
}

void TForm1::Date2Click() {
    replaceSelection(kDateToken);
}

void TForm1::ime2Click() {
    replaceSelection(kTimeToken);
}

// Three replacements in a row: the first takes the selection's place, the others go in at the
// caret after it.
void TForm1::ToolButton12Click() {
    replaceSelection(dateTime_.dateText());
    replaceSelection(" ");
    replaceSelection(dateTime_.timeText());
}

void TForm1::ToolButton13Click() {
    replaceSelection(kDateToken);
    replaceSelection(" ");
    replaceSelection(kTimeToken);
}

void TForm1::leaveNewWizardMode() {
    suiButton1_->setEnabled(false);
    ParameterManager1_->setEnabled(false);
    Createanewtemplate1_->setChecked(false);
}

void TForm1::Createanewtemplate1Click() {
    if (Createanewtemplate1_->isChecked()) {
        leaveNewWizardMode();
        return;
    }
    state_.NewWizardPending = true;
    suiButton1_->setEnabled(true);
    ParameterManager1_->setEnabled(true);
    Createanewtemplate1_->setChecked(true);
}

void TForm1::ParameterManager1Click() {
    if (form3_)
        seam_.execDialog(form3_);
}

void TForm1::suiButton1Click() {
    if (form3_)
        seam_.execDialog(form3_);
}

void TForm1::emplatemanager1Click() {
    if (form5_)
        seam_.execDialog(form5_);
}

} // namespace stencora
