#pragma once
// A temporary installation folder and a main window started from it, answering through a
// scripted seam.
#include "platform/scripted_seam.h"
#include "wrenfold/generator/main_window.h"
#include "wrenfold/generator/program_state.h"
#include "wrenfold/generator/text_box.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace wrenfold_test {

// Qt messages that a test expects are kept off the console. The offscreen platform reports each
// size constraint of a shown window ("does not support propagateSizeHints()"); that one is always
// dropped. Everything else goes to the handler that was there before.
class QtMessages {
public:
    static void install() {
        static const bool installed = [] {
            previous() = qInstallMessageHandler(&QtMessages::handle);
            return true;
        }();
        (void)installed;
    }
    // Drops messages that contain text, until reset; returns how many were dropped so far.
    static void expect(const QString& text) {
        expected() = text;
        dropped() = 0;
    }
    static int droppedCount() { return dropped(); }
    static void reset() { expected().clear(); }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.contains("propagateSizeHints()"))
            return;
        if (!expected().isEmpty() && message.contains(expected())) {
            ++dropped();
            return;
        }
        if (previous())
            previous()(type, context, message);
    }
    static QtMessageHandler& previous() {
        static QtMessageHandler h = nullptr;
        return h;
    }
    static QString& expected() {
        static QString s;
        return s;
    }
    static int& dropped() {
        static int n = 0;
        return n;
    }
};

inline void WriteBytes(const QString& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

inline std::string ReadBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll().toStdString();
}

inline QStringList Entries(const QComboBox& box) {
    QStringList out;
    for (int i = 0; i < box.count(); ++i)
        out << box.itemText(i);
    return out;
}

class WindowTest : public ::testing::Test {
protected:
    WindowTest() { QtMessages::install(); }
    ~WindowTest() override { QtMessages::reset(); }
    // Every question a test causes must have its answer in the script.
    void TearDown() override { EXPECT_EQ(seam_.unscripted().join("; ").toStdString(), ""); }
    // The installation folder: the executable's directory, ending with "/".
    QString appDir() const { return dir_.path() + "/"; }
    void writeFile(const QString& relative, const std::string& bytes) {
        WriteBytes(appDir() + relative, bytes);
    }
    // A library whose grammar is the given bytes.
    void addLibrary(const std::string& name, const std::string& grammar) {
        const QString n = QString::fromStdString(name);
        writeFile(n + "/" + n + ".gra", grammar);
    }

    // Makes the main window and shows it, which runs its start-up.
    void start() {
        state_.executablePath = (appDir() + "wrenfold").toStdString();
        form_ = std::make_unique<wrenfold::TForm1>(state_, seam_);
        form_->resize(800, 600);
        form_->show();
        QCoreApplication::processEvents(); // start-up reports a missing list once the window shows
    }

    wrenfold::TForm1& form() { return *form_; }
    wrenfold::TextBox& memo() { return *form_->textBox(); }
    QComboBox& selector() { return *form_->librarySelector(); }
    QString text() { return memo().text(); }

    QTemporaryDir dir_;
    platform::ScriptedSeam seam_;
    wrenfold::ProgramState state_;
    std::unique_ptr<wrenfold::TForm1> form_;
};

} // namespace wrenfold_test
