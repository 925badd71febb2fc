#include "platform/chm_file.h"
#include "platform/help_viewer.h"

#include <QTextBrowser>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;

namespace {

const QString kStencoraHelp = QStringLiteral(WF_DIST_DIR "/stencora_help.chm");
const QString kWrenfoldHelp = QStringLiteral(WF_DIST_DIR "/wrenfold_help.chm");

TEST(ChmFile, EveryTopicPageTheProgramsOpenIsInTheirHelpFiles) {
    struct Help {
        QString file;
        QStringList pages;
    } helps[] = {
        {kStencoraHelp, {"0101.htm", "0202.htm", "0300.htm", "0304.htm"}},
        {kWrenfoldHelp,
         {"0101.htm", "030101.htm", "0303.htm", "030401.htm", "030402.htm", "0305.htm", "030501.htm",
          "030502.htm", "03050202.htm", "03050203.htm", "03050204.htm"}},
    };
    for (const auto& help : helps) {
        ChmFile chm(help.file);
        ASSERT_TRUE(chm.isOpen()) << help.file.toStdString();
        for (const auto& page : help.pages) {
            QByteArray bytes;
            ASSERT_TRUE(chm.read(page, bytes)) << page.toStdString();
            EXPECT_TRUE(bytes.contains("<title>")) << page.toStdString();
            EXPECT_GT(bytes.size(), 600) << page.toStdString() << " is too short to help anyone";
        }
        QByteArray missing;
        EXPECT_FALSE(chm.read("9999.htm", missing));
    }
}

TEST(HelpViewer, OpensTheTopicFollowsLinksAndIsOwnedByTheCaller) {
    QWidget owner;
    HelpViewer* viewer = HelpViewer::forOwner(&owner);
    EXPECT_EQ(viewer->parentWidget(), &owner);
    EXPECT_EQ(HelpViewer::forOwner(&owner), viewer) << "one viewer per owner";
    viewer->showTopic(kStencoraHelp, "0101.htm");
    QString home = viewer->browser()->toPlainText();
    EXPECT_FALSE(home.isEmpty());
    EXPECT_FALSE(home.contains("Help page not found"));
    // The home page links to the other topics; following a link opens it from the same file.
    viewer->browser()->setSource(QUrl("0202.htm"));
    EXPECT_EQ(viewer->browser()->source().path(), "0202.htm");
    EXPECT_FALSE(viewer->browser()->toPlainText().contains("Help page not found"));
    EXPECT_NE(viewer->browser()->toPlainText(), home);
}

TEST(HelpViewer, MissingFileOrPageShowsTheNotFoundPage) {
    QWidget owner;
    HelpViewer viewer(&owner);
    viewer.showTopic(kWrenfoldHelp, "nothing.htm");
    EXPECT_TRUE(viewer.browser()->toPlainText().contains("Help page not found"));
    EXPECT_TRUE(viewer.browser()->toPlainText().contains("nothing.htm"));
    viewer.showTopic("/no/such/help.chm", "0101.htm");
    EXPECT_TRUE(viewer.browser()->toPlainText().contains("Help page not found"));
}

} // namespace
