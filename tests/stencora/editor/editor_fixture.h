#pragma once
// The main window on the offscreen platform, with the program-wide state, a fixed clock, a
// scripted seam and a temporary installation folder with a "template" directory.
#include "platform/scripted_seam.h"
#include "stencora/editor/main_window.h"
#include "stencora/templates/program_state.h"
#include "stencora/templates/template_filling.h"

#include <QDialog>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

namespace editor_testing {

struct FixedDateTime : stencora::DateTimeTexts {
    std::string dateText() override { return "11/12/2024"; }
    std::string timeText() override { return "09:05:07"; }
};

class EditorTest : public ::testing::Test {
public: // table rows reach the fixture through a reference
    EditorTest();
    void SetUp() override;

    std::string file(const std::string& name) const { return root + name; }
    // A small RTF document holding text.
    void writeDocument(const std::string& name, const std::string& text) const;
    std::string readFile(const std::string& name) const;
    // Opens the file through File > Open (answering the question with OK when one is asked).
    void openDocument(const std::string& name);
    // Text typed at the end of the document, as the user types it.
    void type(const QString& text);
    QString text() const;
    QString caption() const { return form.windowTitle(); }
    bool modified() const { return form.isModified(); }

    QTemporaryDir dir;
    std::string root;
    platform::ScriptedSeam seam;
    stencora::ProgramState state;
    FixedDateTime dateTime;
    stencora::TForm1 form;
    QDialog form2; // stands in for the create-from-template dialog
};

} // namespace editor_testing
