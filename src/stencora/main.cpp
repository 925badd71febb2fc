// stencora: the template document editor.
#include "platform/application.h"
#include "platform/date_time_texts.h"
#include "platform/qt_dialog_seam.h"
#include "shell/about_window.h"
#include "shell/startup.h"
#include "stencora/editor/main_window.h"
#include "stencora/templates/create_from_template.h"
#include "stencora/templates/program_state.h"
#include "stencora/templates/wizard_step.h"

int main(int argc, char** argv) {
    platform::Application app(argc, argv);
    platform::QtDialogSeam seam;
    shell::InitApplication(app, stencora::kTitle, stencora::kHelpFileName, platform::Skin::Light, seam);
    stencora::ProgramState state;
    platform::LocaleDateTimeTexts dateTime;
    // Every window is made once, main window first; the others stay hidden until shown modally
    // and are owned by the main window.
    stencora::TForm1 form1(seam, state, dateTime);
    auto* form2 = new stencora::TForm2(seam, state, form1, dateTime, &form1);
    auto* form4 = new stencora::TForm4(state, form1, &form1);
    auto* form8 = new shell::TForm8(stencora::kTitle, false, &form1);
    form2->setStepDialog(form4);
    form1.setCreateFromTemplateWindow(form2);
    form1.setAboutWindow(form8);
    form1.show();
    return app.exec();
}
