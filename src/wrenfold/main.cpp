// wrenfold: the random sentence generator.
#include "platform/application.h"
#include "platform/qt_dialog_seam.h"
#include "shell/about_window.h"
#include "shell/app_paths.h"
#include "shell/startup.h"
#include "wrenfold/generator/library_chooser.h"
#include "wrenfold/generator/main_window.h"
#include "wrenfold/generator/program_state.h"
#include "wrenfold/generator/text_box.h"

int main(int argc, char** argv) {
    platform::Application app(argc, argv);
    platform::QtDialogSeam seam;
    shell::InitApplication(app, wrenfold::kTitle, wrenfold::kHelpFileName, platform::Skin::Grey, seam);
    wrenfold::InstallFontSubstitutes();
    wrenfold::KeepLargeTextBuffersInHeap();

    wrenfold::ProgramState state;
    state.executablePath = shell::RunningExecutablePath();

    // Every window is made once, main window first; the others stay hidden until shown modally
    // and are owned by the main window.
    wrenfold::TForm1 form1(state, seam);
    auto* form5 = new wrenfold::TForm5(state, *form1.librarySelector(), &form1);
    form1.setLibraryChooser(form5);
    auto* form8 = new shell::TForm8(wrenfold::kTitle, true, &form1);
    form1.setAboutWindow(form8);
    form1.show();
    return app.exec();
}
