// LibreOffice reads the RTF we write: its text export has our paragraphs, and the RTF it writes
// back gives our formats again. Registered only where soffice is installed (label libreoffice).
#include "rtf_peer_text.h"
#include "rtf_sample_document.h"
#include "rtf_test_support.h"

#include <QDir>
#include <QUrl>

namespace {

using namespace rtf_test;

class LibreOffice : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    // Converts file with soffice to the filter's format; the path of the converted file.
    QString Convert(const QString& file, const QString& filter, const QString& extension) {
        const QString out = dir_.filePath(extension);
        RunProgram(QStringLiteral(WF_SOFFICE), {QStringLiteral("-env:UserInstallation=") +
                                                    QUrl::fromLocalFile(dir_.filePath("profile")).toString(),
                                                QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                                                filter, QStringLiteral("--outdir"), out, file});
        return QDir(out).filePath(QFileInfo(file).completeBaseName() + QLatin1Char('.') + extension);
    }

    QString Write(const QTextDocument& doc) {
        const QString path = dir_.filePath(QStringLiteral("ours.rtf"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(platform::SaveRtf(doc));
        return path;
    }

    static QByteArray Read(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }

    QTemporaryDir dir_;
};

TEST_F(LibreOffice, ReadsOurParagraphsAndFormats) {
    const auto doc = EveryFormatDocument();
    const QString ours = Write(*doc);
    const QString text = Convert(ours, QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("txt"));
    EXPECT_EQ(ExportedParagraphs(Peer::LibreOffice, Read(text)), OurParagraphs(Peer::LibreOffice, *doc));
    const QString rtf = Convert(ours, QStringLiteral("rtf:Rich Text Format"), QStringLiteral("rtf"));
    const auto back = Load(Read(rtf));
    EXPECT_EQ(Dump(*back, Fidelity::Peer), Dump(*doc, Fidelity::Peer));
}

} // namespace
