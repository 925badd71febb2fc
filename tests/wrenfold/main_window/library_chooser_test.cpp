// The library chooser: its list copied from the main selector on every showing, the selection of
// the current library, and a pick that takes effect at once.
#include "window_fixture.h"
#include "wrenfold/generator/library_chooser.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace wrenfold_test;

namespace {

class Chooser : public WindowTest {
protected:
    void startWith(const std::string& list) {
        writeFile("library.lst", list);
        start();
        chooser_ = new wrenfold::TForm5(state_, selector(), &form());
        form().setLibraryChooser(chooser_);
        seam_.clearCalls();
    }
    // Opens the chooser from the Library menu; script runs while it is shown.
    void open(std::function<void(wrenfold::TForm5&)> script) {
        seam_.answerDialog([script](QDialog* d) { script(*static_cast<wrenfold::TForm5*>(d)); });
        form().action("LanguageGrammarselct1")->trigger();
        ASSERT_EQ(seam_.callsOf("dialog").size(), 1u);
        EXPECT_FALSE(chooser_->isVisible());
        seam_.clearCalls();
    }
    // A pick as the user makes it: the list's current entry moves and the list reports it.
    static void pick(wrenfold::TForm5& d, int index) {
        d.comboBox()->setCurrentIndex(index);
        emit d.comboBox()->activated(index);
    }
    wrenfold::TForm5* chooser_ = nullptr;
};

TEST_F(Chooser, ShowsTheMainSelectorsNamesWithTheCurrentOneSelected) {
    startWith("English\r\nPoetry\r\nLatin\r\n");
    EXPECT_EQ(chooser_->windowTitle(), "Language/Grammar selct");
    EXPECT_EQ(chooser_->findChild<QLabel*>("Label1")->text(), "Select one Language/Grammar Library");
    EXPECT_EQ(chooser_->chooseButton()->text(), "Choose");

    state_.currentLibraryName = "poetry"; // another letter case
    open([](wrenfold::TForm5& d) {
        EXPECT_EQ(Entries(*d.comboBox()), (QStringList{"English", "Poetry", "Latin"}));
        EXPECT_EQ(d.comboBox()->currentIndex(), 1);
        QTest::mouseClick(d.chooseButton(), Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
    });
    // Only showing it changes nothing.
    EXPECT_EQ(state_.currentLibraryName, "poetry");
    EXPECT_EQ(selector().currentIndex(), 0);
}

TEST_F(Chooser, APickTakesEffectAtOnceAndClosingKeepsIt) {
    startWith("English\r\nPoetry\r\nLatin\r\n");
    open([this](wrenfold::TForm5& d) {
        pick(d, 2);
        EXPECT_EQ(state_.currentLibraryName, "Latin");
        EXPECT_EQ(selector().currentIndex(), 2);
        d.close(); // the title bar: no cancel
    });
    EXPECT_EQ(state_.currentLibraryName, "Latin");
    EXPECT_EQ(selector().currentIndex(), 2);

    // A real key press on the list is a pick too.
    open([this](wrenfold::TForm5& d) {
        EXPECT_EQ(d.comboBox()->currentIndex(), 2);
        d.comboBox()->setFocus();
        QTest::keyClick(d.comboBox(), Qt::Key_Up);
        EXPECT_EQ(state_.currentLibraryName, "Poetry");
        EXPECT_EQ(selector().currentIndex(), 1);
    });
}

TEST_F(Chooser, OfTwoNamesThatDifferOnlyInCaseTheMainSelectorShowsTheFirst) {
    startWith("Poems\r\nPOEMS\r\n");
    open([this](wrenfold::TForm5& d) {
        pick(d, 1);
        EXPECT_EQ(state_.currentLibraryName, "POEMS");
        EXPECT_EQ(selector().currentIndex(), 0);
    });
    // Opened again, the first equal entry is the selected one.
    open([](wrenfold::TForm5& d) { EXPECT_EQ(d.comboBox()->currentIndex(), 0); });
}

TEST_F(Chooser, NoEntryIsSelectedWhenTheCurrentNameIsEmptyOrUnknown) {
    startWith("English\r\nPoetry\r\n");
    for (const char* current : {"", "Klingon"}) {
        SCOPED_TRACE(current);
        state_.currentLibraryName = current;
        open([](wrenfold::TForm5& d) {
            EXPECT_EQ(d.comboBox()->count(), 2);
            EXPECT_EQ(d.comboBox()->currentIndex(), -1);
        });
    }
}

TEST_F(Chooser, WithNoLibrariesTheListIsEmptyAndChooseJustCloses) {
    startWith("");
    open([](wrenfold::TForm5& d) {
        EXPECT_EQ(d.comboBox()->count(), 0);
        QTest::mouseClick(d.chooseButton(), Qt::LeftButton);
    });
    EXPECT_EQ(state_.currentLibraryName, "");
    EXPECT_EQ(selector().currentIndex(), -1);
}

TEST_F(Chooser, TheListIsCopiedAfreshOnEveryShowing) {
    startWith("English\r\n");
    open([](wrenfold::TForm5& d) { EXPECT_EQ(Entries(*d.comboBox()), QStringList{"English"}); });
    wrenfold::AddLibraryEntry(selector(), "Poetry"); // as the library editor adds one
    open([this](wrenfold::TForm5& d) {
        EXPECT_EQ(Entries(*d.comboBox()), (QStringList{"English", "Poetry"}));
        pick(d, 1);
    });
    EXPECT_EQ(state_.currentLibraryName, "Poetry");
    selector().clear(); // and deletes them all
    open([](wrenfold::TForm5& d) { EXPECT_EQ(d.comboBox()->count(), 0); });
}

} // namespace
