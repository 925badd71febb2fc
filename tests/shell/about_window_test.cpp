#include "shell/about_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(AboutWindow, ShowsTheProductTitleAndVersion) {
    for (auto [title, grey] :
         {std::pair{"Wrenfold Stencora 2.0", false}, std::pair{"Wrenfold Verbarium 2.0", true}}) {
        shell::TForm8 about(title, grey);
        EXPECT_EQ(about.windowTitle(), "About Wrenfold");
        EXPECT_EQ(about.size(), QSize(531, 386));
        EXPECT_EQ(about.findChild<QLabel*>("Label5")->text(), title);
        EXPECT_TRUE(about.findChild<QLabel*>("Label5")->font().bold());
        EXPECT_EQ(about.findChild<QLabel*>("Label1")->text(), "Vision 2.0 Standard (Build 2.012)");
        auto* ok = about.findChild<QPushButton*>("suiButton1");
        EXPECT_EQ(ok->text(), "OK");
        EXPECT_TRUE(ok->isDefault());
        EXPECT_NE(about.findChild<QWidget*>("Image1"), nullptr);
        EXPECT_NE(about.findChild<QWidget*>("Image3"), nullptr);
        EXPECT_FALSE(about.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);
    }
}

TEST(AboutWindow, ClosesByOkByEnterAndByTheTitleBarAndShowsTheSameEachTime) {
    shell::TForm8 about("Wrenfold Stencora 2.0", false);
    auto* ok = about.findChild<QPushButton*>("suiButton1");
    std::function<void()> ways[] = {
        [&] { QTest::mouseClick(ok, Qt::LeftButton); },
        [&] { QTest::keyClick(&about, Qt::Key_Return); },
        [&] { about.close(); },
    };
    for (auto& way : ways) {
        QTimer::singleShot(0, &about, way);
        about.exec();
        EXPECT_FALSE(about.isVisible());
        EXPECT_EQ(about.findChild<QLabel*>("Label5")->text(), "Wrenfold Stencora 2.0");
    }
}

} // namespace
