#include "platform/scripted_seam.h"
#include "shell/about_window.h"
#include "shell/help_commands.h"
#include "shell/help_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

using platform::ScriptedSeam;

namespace {

struct Item {
    const char* name;
    const char* caption;
    const char* kind; // "help", "web", "dialog" or "" for a separator
    const char* target;
};

void CheckMenu(shell::HelpMenuBase& menu, ScriptedSeam& seam, const std::vector<Item>& items,
               const shell::AppPaths& paths) {
    EXPECT_EQ(menu.menu()->title(), "&Help");
    auto actions = menu.menu()->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(items.size()));
    for (size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(items[i].caption);
        QAction* a = actions[static_cast<qsizetype>(i)];
        if (std::string(items[i].kind).empty()) {
            EXPECT_TRUE(a->isSeparator());
            continue;
        }
        EXPECT_EQ(a->objectName(), items[i].name);
        EXPECT_EQ(a->text(), items[i].caption);
        seam.clearCalls();
        if (std::string(items[i].kind) == "dialog")
            seam.answerDialog([](QDialog* d) { d->accept(); });
        a->trigger();
        ASSERT_EQ(seam.calls().size(), 1u);
        const auto& call = seam.calls()[0];
        EXPECT_EQ(call.kind, items[i].kind);
        if (call.kind == "help") {
            EXPECT_EQ(call.caption.toStdString(), paths.helpFilePath);
            EXPECT_EQ(call.text, items[i].target);
        } else if (call.kind == "web") {
            EXPECT_EQ(call.text, QString(shell::kWebSiteHost) + "/" + items[i].target);
        } else {
            EXPECT_EQ(call.text, "TForm8");
        }
    }
}

TEST(HelpMenu, StencoraItemsOpenTheirTopicsPagesAndTheAboutWindow) {
    QMainWindow window;
    ScriptedSeam seam;
    shell::AppPaths paths;
    shell::StencoraHelpMenu menu(window.menuBar(), &window, seam, paths, nullptr);
    shell::TForm8 about("Wrenfold Stencora 2.0", false, &window);
    menu.setAboutWindow(&about);
    paths = shell::DerivePaths("/opt/w/stencora", "stencora_help.chm", true); // derived after building
    CheckMenu(menu, seam,
              {{"StencoraHelp1", "Stencora Help", "help", "0101.htm"},
               {"HelpOnline1", "Help Online", "web", "tutorial.htm"},
               {"", "", "", ""},
               {"SystemUpdate1", "System Update", "web", "download.htm"},
               {"ProductPage1", "Product Page", "web", "download.htm"},
               {"Halvercotsupport1", "Halvercot Support", "web", "contact.htm"},
               {"", "", "", ""},
               {"About1", "About", "dialog", ""}},
              paths);
    seam.clearCalls();
    menu.ToolButton15Click();
    ASSERT_EQ(seam.calls().size(), 1u);
    EXPECT_EQ(seam.calls()[0].kind, "help");
    EXPECT_EQ(seam.calls()[0].text, "0300.htm");
}

TEST(HelpMenu, WrenfoldItemsOpenTheirTopicsPagesAndTheAboutWindow) {
    QMainWindow window;
    ScriptedSeam seam;
    shell::AppPaths paths = shell::DerivePaths("/opt/w/wrenfold", "wrenfold_help.chm", false);
    shell::TForm8 about("Wrenfold Verbarium 2.0", true, &window);
    shell::WrenfoldHelpMenu menu(window.menuBar(), &window, seam, paths, &about);
    CheckMenu(menu, seam,
              {{"WrenfoldHelp1", "Wrenfold Help", "help", "0101.htm"},
               {"Helponline1", "Help online...", "web", "tutorial.htm"},
               {"", "", "", ""},
               {"SystemUpdate1", "System Update", "web", "download.htm"},
               {"N8", "Product Homepage", "web", "download.htm"},
               {"HalvercotSupport1", "Halvercot Support", "web", "contact.htm"},
               {"", "", "", ""},
               {"About1", "About...", "dialog", ""}},
              paths);
}

} // namespace
