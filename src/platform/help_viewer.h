#pragma once
// The help viewer: a window owned by the calling window that shows topic pages of a compiled
// help file, follows links between them, and shows a short "not found" page for a missing file
// or page.
#include <QDialog>
#include <QTextBrowser>
#include <memory>

namespace platform {

class ChmFile;

class ChmBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit ChmBrowser(QWidget* parent);
    ~ChmBrowser() override;
    void setHelpFile(const QString& path);
    QString helpFile() const { return helpFile_; }
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QString helpFile_;
    std::unique_ptr<ChmFile> chm_;
};

class HelpViewer : public QDialog {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* owner);
    // Opens topic (a page name such as "0101.htm") of the help file at helpFile.
    void showTopic(const QString& helpFile, const QString& topic);
    ChmBrowser* browser() const { return browser_; }
    // The viewer that belongs to owner, made on first use.
    static HelpViewer* forOwner(QWidget* owner);

private:
    ChmBrowser* browser_;
};

// The page shown for a missing help file or topic.
QString NotFoundPage(const QString& helpFile, const QString& topic);

} // namespace platform
