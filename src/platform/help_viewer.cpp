#include "help_viewer.h"

#include "chm_file.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace platform {

QString NotFoundPage(const QString& helpFile, const QString& topic) {
    return QStringLiteral("<html><body><h2>Help page not found</h2>"
                          "<p>The page <b>%1</b> could not be found in the help file <b>%2</b>.</p>"
                          "<p>Check that the help file is installed next to the program.</p></body></html>")
        .arg(topic.toHtmlEscaped(), helpFile.toHtmlEscaped());
}

ChmBrowser::ChmBrowser(QWidget* parent) : QTextBrowser(parent) {
    setObjectName("HelpBrowser");
    setOpenExternalLinks(true);
    setSearchPaths({});
}

ChmBrowser::~ChmBrowser() = default;

void ChmBrowser::setHelpFile(const QString& path) {
    if (path == helpFile_ && chm_ && chm_->isOpen())
        return;
    helpFile_ = path;
    chm_ = std::make_unique<ChmFile>(path);
}

QVariant ChmBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme().isEmpty() || name.scheme() == "chm") {
        QByteArray bytes;
        QString path = name.path();
        if (chm_ && chm_->read(path, bytes)) {
            if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
                return QString::fromUtf8(bytes);
            return bytes;
        }
        if (type == QTextDocument::HtmlResource)
            return NotFoundPage(helpFile_, QFileInfo(path).fileName());
        return {};
    }
    return QTextBrowser::loadResource(type, name);
}

HelpViewer::HelpViewer(QWidget* owner) : QDialog(owner) {
    setObjectName("HelpViewer");
    setWindowTitle("Help");
    setWindowFlags(Qt::Window);
    setModal(false);
    resize(720, 540);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* row = new QHBoxLayout;
    auto* back = new QPushButton("Back", this);
    back->setObjectName("HelpBack");
    auto* forward = new QPushButton("Forward", this);
    forward->setObjectName("HelpForward");
    auto* home = new QPushButton("Contents", this);
    home->setObjectName("HelpHome");
    row->addWidget(back);
    row->addWidget(forward);
    row->addWidget(home);
    row->addStretch();
    layout->addLayout(row);
    browser_ = new ChmBrowser(this);
    layout->addWidget(browser_);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, this, [this] { browser_->setSource(QUrl("0101.htm")); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Help") : title);
    });
}

void HelpViewer::showTopic(const QString& helpFile, const QString& topic) {
    browser_->setHelpFile(helpFile);
    browser_->setSource(QUrl(topic));
}

HelpViewer* HelpViewer::forOwner(QWidget* owner) {
    HelpViewer* viewer =
        owner ? owner->findChild<HelpViewer*>("HelpViewer", Qt::FindDirectChildrenOnly) : nullptr;
    if (!viewer)
        viewer = new HelpViewer(owner);
    return viewer;
}

} // namespace platform
