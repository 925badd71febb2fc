#include "create_from_template.h"

#include "platform/dialog_seam.h"
#include "platform/files.h"
#include "shell/help_commands.h"
#include "stencora/templates/document_host.h"
#include "stencora/templates/program_state.h"
#include "stencora/templates/template_filling.h"
#include "stencora/templates/window_parts.h"
#include "stencora/templates/wizard_file.h"
#include "stencora/templates/wizard_step.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

namespace stencora {

namespace {

// Draws a template's name in bold when it has a wizard file, asking afresh at every drawing.
class TemplateEntryDelegate : public QStyledItemDelegate {
public:
    explicit TemplateEntryDelegate(const TForm2* form) : QStyledItemDelegate(nullptr), form_(form) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        // At least the classic entry height; room above and below the name in larger fonts.
        size.setHeight(std::max(size.height() + 6, 13));
        return size;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font = form_->entryFont(index.row());
        option->fontMetrics = QFontMetrics(option->font);
    }

private:
    const TForm2* form_;
};

} // namespace

TForm2::TForm2(platform::DialogSeam& seam, ProgramState& state, DocumentHost& host, DateTimeTexts& dateTime,
               QWidget* parent)
    : QDialog(parent), seam_(seam), state_(state), host_(host), dateTime_(dateTime) {
    setObjectName("TForm2");
    setWindowTitle("Wrenfold Stencora 2.0 - Create document from template");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    resize(470, 380);

    auto* label1 = new QLabel("Available Templates:", this);
    label1->setObjectName("Label1");
    Label2_ = new QLabel("0 / 0", this);
    Label2_->setObjectName("Label2");
    Label2_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    suiListBox1_ = new QListWidget(this);
    suiListBox1_->setObjectName("suiListBox1");
    suiListBox1_->setSelectionMode(QAbstractItemView::SingleSelection);
    suiListBox1_->setUniformItemSizes(false);
    auto* delegate = new TemplateEntryDelegate(this);
    delegate->setParent(suiListBox1_);
    suiListBox1_->setItemDelegate(delegate);
    connect(suiListBox1_, &QListWidget::currentRowChanged, this, &TForm2::suiListBox1Click);
    connect(suiListBox1_, &QListWidget::itemDoubleClicked, this, &TForm2::suiListBox1DblClick);

    auto* label3 = new QLabel("Note: The file name in BOLD has a wizard file <*.tpl>.", this);
    label3->setObjectName("Label3");
    label3->setWordWrap(true);
    Label4_ = new LinkLabel("Label4", "Help", "Creating new documents from templates", this);
    connect(Label4_, &LinkLabel::clicked, this, &TForm2::Label4Click);

    suiButton1_ = new QPushButton("Create new document", this);
    suiButton1_->setObjectName("suiButton1");
    suiButton1_->setDefault(true);
    connect(suiButton1_, &QPushButton::clicked, this, &TForm2::suiButton1Click);
    suiButton2_ = new QPushButton("Cancel", this);
    suiButton2_->setObjectName("suiButton2");
    connect(suiButton2_, &QPushButton::clicked, this, &TForm2::suiButton2Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    auto* head = new QHBoxLayout;
    head->addWidget(label1);
    head->addStretch(1);
    head->addWidget(Label2_);
    layout->addLayout(head);
    layout->addWidget(suiListBox1_, 1);
    layout->addWidget(label3);
    auto* foot = new QHBoxLayout;
    foot->addWidget(Label4_);
    foot->addStretch(1);
    foot->addWidget(suiButton1_);
    foot->addWidget(suiButton2_);
    layout->addSpacing(4);
    layout->addLayout(foot);
}

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

std::string TForm2::templatePath(int row) const {
    return state_.paths.templateDirectory + Utf8(FileListBox1_.value(row));
}

bool TForm2::entryHasWizard(int row) const {
    if (row < 0 || row >= FileListBox1_.size())
        return false;
    return platform::FileExists(WizardFileNameFor(templatePath(row)));
}

QFont TForm2::entryFont(int row) const {
    QFont f = suiListBox1_->font();
    f.setBold(entryHasWizard(row));
    return f;
}

void TForm2::FormShow() {
    const auto names = platform::ListFolderByMask(state_.paths.templateDirectory, "*.rtf");
    FileListBox1_.clear();
    for (const auto& name : names)
        FileListBox1_ << FromUtf8(name);
    suiListBox1_->clear();
    suiListBox1_->addItems(FileListBox1_);
    if (!FileListBox1_.isEmpty()) {
        suiListBox1_->setCurrentRow(0);
        Label2_->setText(QString("1/%1").arg(FileListBox1_.size()));
    } else {
        // An empty list counts nothing, whatever an earlier showing counted.
        Label2_->setText("0 / 0");
    }
}

void TForm2::suiListBox1Click() {
    const int row = suiListBox1_->currentRow();
    if (row >= 0)
        Label2_->setText(QString("%1/%2").arg(row + 1).arg(suiListBox1_->count()));
}

void TForm2::suiListBox1DblClick() {
    suiButton1Click();
}

void TForm2::suiButton1Click() {
    if (suiListBox1_->count() == 0) {
        accept();
        return;
    }
    const int row = suiListBox1_->currentRow();
    if (row < 0)
        return;
    host_.leaveNewWizardMode();
    const std::string path = templatePath(row);
    host_.loadDocument(path);
    FillDateTimeTokens(host_.documentLines(), dateTime_);
    host_.clearModified();
    const std::string wizard = WizardFileNameFor(path);
    if (platform::FileExists(wizard))
        runWizard(wizard);
    // The new document has no name, so saving it asks for one and never overwrites the template.
    state_.CurrentFileName.clear();
    accept();
}

void TForm2::runWizard(const std::string& wizardPath) {
    Q_ASSERT(step_);
    // Hidden without ending its modal showing: QDialog::setVisible(false) would end exec(), while
    // the dialog comes back after the last step and its modal showing goes on.
    QWidget::setVisible(false);
    try {
        WizardFileReader reader(wizardPath);
        const int n = reader.Count();
        for (int k = 1; k <= n; ++k) {
            step_->setWindowTitle(QString("[Create from a template] - %1/%2 Step").arg(k).arg(n));
            state_.CurrentWizardParameter = reader.ReadNext();
            seam_.execDialog(step_);
        }
        reader.Close();
    } catch (...) {
        // The wizard file could not be read: the dialog is shown again for another pick, and the
        // document, which now holds the template, does not keep the name of the one before it.
        state_.CurrentFileName.clear();
        show();
        throw;
    }
    show();
}

void TForm2::suiButton2Click() {
    reject();
}

void TForm2::Label4Click() {
    shell::ShowHelpTopic(seam_, this, FromUtf8(state_.paths.helpFilePath), "0202.htm");
}

} // namespace stencora
