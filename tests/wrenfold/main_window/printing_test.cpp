// Printing: one printer line per line as the text box shows it, a new page when a page is full,
// and printing to a PDF file.
#include "window_fixture.h"
#include "wrenfold/generator/text_printing.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QRegularExpression>

using namespace wrenfold_test;

namespace {

int PdfPages(const std::string& pdf) {
    static const QRegularExpression page("/Type\\s*/Page(?![a-zA-Z])");
    return static_cast<int>(QString::fromLatin1(pdf.data(), static_cast<qsizetype>(pdf.size())).count(page));
}

class Printing : public WindowTest {
protected:
    void SetUp() override {
        writeFile("library.lst", "");
        start();
    }
    // Prints through the File menu into a PDF file; returns its bytes.
    std::string printToPdf() {
        const QString out = appDir() + "out.pdf";
        QFile::remove(out);
        seam_.answerPrint([out](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(out);
        });
        form().Print1Click();
        return ReadBytes(out);
    }
};

TEST_F(Printing, WrappedLinesArePrintedAsTheBoxShowsThem) {
    const QString word = "sentence ";
    memo().setText("First line\n\n" + word.repeated(60) + "\nlast");
    const QStringList lines = memo().displayedLines();
    ASSERT_GT(lines.size(), 5); // the long line wraps into several
    EXPECT_EQ(lines.first(), "First line");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines.last(), "last");
    EXPECT_EQ(lines.mid(2, lines.size() - 3).join(""), word.repeated(60));
    // In a larger font the same text takes more lines.
    QFont big = memo().font();
    big.setPointSize(24);
    memo().setTextFont(big);
    QCoreApplication::processEvents();
    EXPECT_GT(memo().displayedLines().size(), lines.size());

    const std::string pdf = printToPdf();
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_EQ(PdfPages(pdf), 1);
}

TEST_F(Printing, AFullPageStartsANewOne) {
    QStringList many;
    for (int i = 0; i < 400; ++i)
        many << QString("line %1").arg(i);
    memo().setText(many.join("\n"));
    const std::string pdf = printToPdf();
    const int pages = PdfPages(pdf);
    EXPECT_GT(pages, 1);

    // The same lines straight to the printer: the page count is the lines over the lines a page
    // holds, rounded up.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(appDir() + "direct.pdf");
    const QFont font = wrenfold::DefaultWindowFont();
    const int perPage = printer.height() / QFontMetrics(font, &printer).lineSpacing();
    EXPECT_EQ(wrenfold::PrintTextLines(printer, many, font), (400 + perPage - 1) / perPage);
    EXPECT_EQ(pages, (400 + perPage - 1) / perPage);
}

TEST_F(Printing, CancelledDialogPrintsNothing) {
    memo().setText("text");
    seam_.cancelPrint();
    form().Print1Click();
    ASSERT_EQ(seam_.callsOf("print").size(), 1u);
    EXPECT_TRUE(seam_.callsOf("error").empty());
    EXPECT_FALSE(QFile::exists(appDir() + "out.pdf"));
}

TEST_F(Printing, APrinterThatCannotStartIsAnError) {
    memo().setText("text");
    seam_.answerPrint([this](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(appDir() + "no/such/folder/out.pdf");
    });
    QtMessages::expect("QPainter::begin");
    EXPECT_THROW(form().Print1Click(), platform::Error);
    EXPECT_EQ(text(), "text");
}

} // namespace
