#include "platform/message_box.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// Runs exec() on box and performs action once it is up; returns exec's result.
template <typename Box, typename Action> int ExecWith(Box& box, Action action) {
    QTimer::singleShot(0, &box, [&] { action(); });
    return box.exec();
}

TEST(MessageBox, ShowsCaptionTextAndButtonsInOrder) {
    MessageBox box(nullptr, "Warning", "The text has not been saved.", OkCancelButtons());
    EXPECT_EQ(box.windowTitle(), "Warning");
    EXPECT_EQ(box.findChild<QLabel*>("MessageText")->text(), "The text has not been saved.");
    ASSERT_EQ(box.buttons().size(), 2);
    EXPECT_EQ(box.buttons()[0]->text(), "OK");
    EXPECT_EQ(box.buttons()[1]->text(), "Cancel");
    EXPECT_TRUE(box.buttons()[0]->isDefault());
}

TEST(MessageBox, EachButtonGivesItsResultCode) {
    const QList<MessageButton> buttons{{"Yes", ResultYes}, {"No", ResultNo}, {"Cancel", ResultCancel}};
    for (int i = 0; i < buttons.size(); ++i) {
        MessageBox box(nullptr, "Question", "Save?", buttons);
        EXPECT_EQ(ExecWith(box, [&] { box.buttons()[i]->click(); }), buttons[i].result);
    }
}

TEST(MessageBox, TitleBarEscAndEnterGiveCancelCancelAndTheDefault) {
    {
        MessageBox box(nullptr, "Warning", "t", YesCancelButtons());
        EXPECT_EQ(ExecWith(box, [&] { box.close(); }), ResultCancel);
    }
    {
        MessageBox box(nullptr, "Warning", "t", {{"OK", ResultOk}});
        EXPECT_EQ(ExecWith(box, [&] { QTest::keyClick(&box, Qt::Key_Escape); }), ResultCancel);
    }
    {
        MessageBox box(nullptr, "Warning", "t", YesCancelButtons());
        EXPECT_EQ(ExecWith(box, [&] { QTest::keyClick(box.buttons()[0], Qt::Key_Return); }), ResultYes);
    }
}

TEST(InputBox, OkGivesTheEditedTextCancelKeepsTheValue) {
    InputBox box(nullptr, "Generator", "How many sentences to generate?", "20");
    EXPECT_EQ(box.windowTitle(), "Generator");
    EXPECT_EQ(box.findChild<QLabel*>("InputPrompt")->text(), "How many sentences to generate?");
    EXPECT_EQ(box.text(), "20");
    EXPECT_EQ(ExecWith(box,
                       [&] {
                           box.edit()->setText("7");
                           QTest::keyClick(box.edit(), Qt::Key_Return);
                       }),
              ResultOk);
    EXPECT_EQ(box.text(), "7");

    InputBox cancelled(nullptr, "Generator", "p", "20");
    EXPECT_EQ(ExecWith(cancelled, [&] { QTest::keyClick(cancelled.edit(), Qt::Key_Escape); }), ResultCancel);
    InputBox closed(nullptr, "Generator", "p", "20");
    EXPECT_EQ(ExecWith(closed, [&] { closed.close(); }), ResultCancel);
}

} // namespace
