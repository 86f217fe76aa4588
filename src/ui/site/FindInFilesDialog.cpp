// The Find in Files dialog.
#include "ui/site/FindInFilesDialog.h"

#include "core/site/SiteFolder.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace velto {

FindInFilesDialog::FindInFilesDialog(const QString& folder, const QString& text, QWidget* parent,
                                     Mode mode)
    : QDialog(parent), pattern_(new QLineEdit(text)), folder_(new QLineEdit(folder)),
      include_(new QLineEdit(
          QString::fromUtf8(IncludePatterns::DefaultList().data(),
                            static_cast<qsizetype>(IncludePatterns::DefaultList().size())))),
      regex_(new QCheckBox(tr("Regular e&xpression"))),
      matchCase_(new QCheckBox(tr("Match &case"))), wholeWord_(new QCheckBox(tr("&Whole words"))) {
    const bool replacing = mode == Mode::Replace;
    setWindowTitle(replacing ? tr("Replace in Files") : tr("Find in Files"));
    setObjectName(QStringLiteral("FindInFilesDialog"));
    pattern_->setObjectName(QStringLiteral("pattern"));
    folder_->setObjectName(QStringLiteral("folder"));
    include_->setObjectName(QStringLiteral("include"));
    auto* form = new QFormLayout;
    form->addRow(tr("Fi&nd:"), pattern_);
    if (replacing) {
        replacement_ = new QLineEdit;
        replacement_->setObjectName(QStringLiteral("replacement"));
        replacement_->setToolTip(
            tr("With a regular expression, $1 to $9 stand for its groups and $$ for $"));
        form->addRow(tr("Re&place with:"), replacement_);
    }
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_, 1);
    auto* browse = new QPushButton(tr("&Browse..."));
    folderRow->addWidget(browse);
    // A row holding a layout gets no buddy of its own: without one the label would show
    // its '&' instead of underlining the key.
    auto* folderLabel = new QLabel(tr("In &folder:"));
    folderLabel->setBuddy(folder_);
    form->addRow(folderLabel, folderRow);
    form->addRow(tr("F&iles:"), include_);
    auto* options = new QHBoxLayout;
    options->addWidget(regex_);
    options->addWidget(matchCase_);
    options->addWidget(wholeWord_);
    options->addStretch(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(replacing ? tr("&Replace...") : tr("&Find"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(options);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen =
            QFileDialog::getExistingDirectory(this, tr("Find in Folder"), folder_->text());
        if (!chosen.isEmpty())
            folder_->setText(chosen);
    });
    pattern_->selectAll();
    resize(520, sizeHint().height());
}

SearchOptions FindInFilesDialog::Options() const {
    SearchOptions options;
    options.pattern = pattern_->text().toStdString();
    options.regex = regex_->isChecked();
    options.matchCase = matchCase_->isChecked();
    options.wholeWord = wholeWord_->isChecked();
    return options;
}

QString FindInFilesDialog::Folder() const {
    return folder_->text();
}

QString FindInFilesDialog::Include() const {
    return include_->text();
}

std::string FindInFilesDialog::Replacement() const {
    return replacement_ ? replacement_->text().toStdString() : std::string();
}

void FindInFilesDialog::SetReplacement(const QString& text) {
    if (replacement_)
        replacement_->setText(text);
}

void FindInFilesDialog::accept() {
    std::string error;
    if (!TextSearch::Compile(Options(), error)) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(error));
        return;
    }
    if (!QFileInfo(folder_->text()).isDir()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("There is no folder %1.").arg(folder_->text()));
        return;
    }
    QDialog::accept();
}

} // namespace velto
