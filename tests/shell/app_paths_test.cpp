#include "shell/app_paths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(DerivePaths, FromTheExecutablePathWhateverItsName) {
    struct Case {
        std::string exe, appDir;
    } cases[] = {
        {"/opt/wrenfold/stencora", "/opt/wrenfold/"},
        {"/opt/wrenfold/renamed editor", "/opt/wrenfold/"},
        {"/a b/c.d/e", "/a b/c.d/"},
        {"/stencora", "/"},
    };
    for (const auto& c : cases) {
        auto p = shell::DerivePaths(c.exe, "stencora_help.chm", true);
        EXPECT_EQ(p.applicationDirectory, c.appDir);
        EXPECT_EQ(p.helpFilePath, c.appDir + "stencora_help.chm");
        EXPECT_EQ(p.templateDirectory, c.appDir + "template/");
    }
    auto w = shell::DerivePaths("/opt/w/wrenfold", "wrenfold_help.chm", false);
    EXPECT_EQ(w.helpFilePath, "/opt/w/wrenfold_help.chm");
    EXPECT_EQ(w.templateDirectory, "");
}

// Copies the probe under another name into a folder with a long path, starts it from another
// current directory, and reads what it derived.
TEST(DerivePaths, ARenamedExecutableInADeepFolderStartedFromElsewhereFindsItsOwnFolder) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    QString deep = tmp.path();
    while (deep.size() < 400) // far past the old 256-character limit
        deep += "/a folder with a long name";
    ASSERT_TRUE(QDir().mkpath(deep));
    QString exe = deep + "/my editor";
    ASSERT_TRUE(QFile::copy(WF_PATHS_PROBE, exe));
    QFile::setPermissions(exe, QFile::permissions(WF_PATHS_PROBE));

    QProcess p;
    p.setWorkingDirectory(QDir::rootPath());
    p.start(exe, {});
    ASSERT_TRUE(p.waitForFinished(10000));
    QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], deep + "/");
    EXPECT_EQ(lines[1], deep + "/stencora_help.chm");
    EXPECT_EQ(lines[2], deep + "/template/");
}

} // namespace
