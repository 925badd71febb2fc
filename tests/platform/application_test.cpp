#include "platform/application.h"
#include "platform/errors.h"
#include "platform/scripted_seam.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(ErrorReport, AnUncaughtErrorOfAUserEventIsShownAndEndsOnlyThatCommand) {
    auto* app = qobject_cast<Application*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    ScriptedSeam seam;
    app->setErrorSeam(&seam);
    QPushButton button("Generator");
    int after = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        throw ConvertError("abc");
        ++after;
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_EQ(seam.callsOf("error").size(), 1u);
    EXPECT_EQ(seam.callsOf("error")[0].text, "'abc' is not a valid integer value");
    EXPECT_EQ(after, 0);
    // The program goes on: the next event is handled as usual.
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(seam.callsOf("error").size(), 2u);
    app->setErrorSeam(nullptr);
}

} // namespace
