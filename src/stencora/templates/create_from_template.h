#pragma once
// The create-from-template dialog: lists the templates of the template directory and makes a new,
// unnamed document from the one picked, running its wizard when it has one.
#include "platform/date_time_source.h"
#include <QDialog>
#include <QStringList>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;
namespace platform {
class DialogSeam;
}

namespace stencora {

class DocumentHost;
class LinkLabel;
class TForm4;
using DateTimeTexts = platform::DateTimeTexts;
struct ProgramState;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    TForm2(platform::DialogSeam& seam, ProgramState& state, DocumentHost& host, DateTimeTexts& dateTime,
           QWidget* parent = nullptr);
    // The wizard step dialog, made after this one at start-up.
    void setStepDialog(TForm4* step) { step_ = step; }

    QLabel* Label2() const { return Label2_; }
    QListWidget* suiListBox1() const { return suiListBox1_; }
    QPushButton* suiButton1() const { return suiButton1_; }
    QPushButton* suiButton2() const { return suiButton2_; }
    LinkLabel* Label4() const { return Label4_; }

    // True when the template of list entry row has a wizard file; tested each time it is asked,
    // as each drawing of the entry asks it.
    bool entryHasWizard(int row) const;
    // The font an entry is drawn in: bold when it has a wizard file.
    QFont entryFont(int row) const;

public slots:
    // Lists the ".rtf" files of the template directory. Throws platform::FileError when the folder
    // cannot be listed; the list then stays as it was.
    void FormShow();
    void suiListBox1Click();
    void suiListBox1DblClick();
    // "Create new document".
    void suiButton1Click();
    // "Cancel".
    void suiButton2Click();
    // "Help".
    void Label4Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::string templatePath(int row) const;
    void runWizard(const std::string& wizardPath);

    platform::DialogSeam& seam_;
    ProgramState& state_;
    DocumentHost& host_;
    DateTimeTexts& dateTime_;
    TForm4* step_ = nullptr;
    QStringList FileListBox1_; // names of the template directory's ".rtf" files, as last read
    QLabel* Label2_;
    QListWidget* suiListBox1_;
    LinkLabel* Label4_;
    QPushButton* suiButton1_;
    QPushButton* suiButton2_;
};

} // namespace stencora
