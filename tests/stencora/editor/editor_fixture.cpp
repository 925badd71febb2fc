#include "editor_fixture.h"

#include "platform/files.h"

#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <filesystem>

namespace editor_testing {

EditorTest::EditorTest() : form(seam, state, dateTime) {
    form.Timer1()->stop(); // the timer's own test starts it again
    form2.setObjectName("TForm2");
}

void EditorTest::SetUp() {
    ASSERT_TRUE(dir.isValid());
    root = dir.path().toStdString() + "/";
    std::filesystem::create_directory(root + "template");
    form.show(); // the first show derives the paths of the test program; the test's folder replaces them
    form.setUpPaths({root, root + "stencora_help.chm", root + "template/"});
    form.setCreateFromTemplateWindow(&form2);
}

void EditorTest::writeDocument(const std::string& name, const std::string& text) const {
    platform::WriteFileAtomic(file(name), "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 " + text + "\\par}");
}

std::string EditorTest::readFile(const std::string& name) const {
    return platform::ReadFileBytes(file(name));
}

void EditorTest::openDocument(const std::string& name) {
    if (modified())
        seam.answerMessage(platform::ResultOk);
    seam.answerFile(QString::fromStdString(file(name)));
    form.Open1Click();
}

void EditorTest::type(const QString& text) {
    form.RichEdit1()->moveCursor(QTextCursor::End);
    QTest::keyClicks(form.RichEdit1(), text);
}

QString EditorTest::text() const {
    return form.RichEdit1()->toPlainText();
}

} // namespace editor_testing
