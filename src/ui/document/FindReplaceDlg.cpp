// The modeless Find and Replace dialogs.
#include "ui/document/FindReplaceDlg.h"

#include "ui/document/CQuorView.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velto {

FindReplaceDlg::FindReplaceDlg(bool replace, SearchRequest& last, QWidget* parent)
    : QDialog(parent), last_(last), replace_(replace) {
    setWindowTitle(replace ? QStringLiteral("Replace") : QStringLiteral("Find"));
    auto* grid = new QGridLayout;
    findWhat_ = new QLineEdit(this);
    auto* findLabel = new QLabel(QStringLiteral("Fi&nd what:"), this);
    findLabel->setBuddy(findWhat_);
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(findWhat_, 0, 1);
    if (replace) {
        replaceWith_ = new QLineEdit(this);
        auto* replaceLabel = new QLabel(QStringLiteral("Re&place with:"), this);
        replaceLabel->setBuddy(replaceWith_);
        grid->addWidget(replaceLabel, 1, 0);
        grid->addWidget(replaceWith_, 1, 1);
    }
    wholeWord_ = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    matchCase_ = new QCheckBox(QStringLiteral("Match &case"), this);
    auto* options = new QVBoxLayout;
    options->addLayout(grid);
    options->addWidget(wholeWord_);
    options->addWidget(matchCase_);
    if (!replace) {
        auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
        up_ = new QRadioButton(QStringLiteral("&Up"), direction);
        auto* down = new QRadioButton(QStringLiteral("&Down"), direction);
        down->setChecked(true);
        auto* dirLayout = new QHBoxLayout(direction);
        dirLayout->addWidget(up_);
        dirLayout->addWidget(down);
        options->addWidget(direction);
    }
    options->addStretch();

    auto* buttons = new QVBoxLayout;
    findNext_ = new QPushButton(QStringLiteral("&Find Next"), this);
    findNext_->setDefault(true);
    buttons->addWidget(findNext_);
    connect(findNext_, &QPushButton::clicked, this, &FindReplaceDlg::OnFindNext);
    if (replace) {
        replaceButton_ = new QPushButton(QStringLiteral("&Replace"), this);
        replaceAll_ = new QPushButton(QStringLiteral("Replace &All"), this);
        buttons->addWidget(replaceButton_);
        buttons->addWidget(replaceAll_);
        connect(replaceButton_, &QPushButton::clicked, this, &FindReplaceDlg::OnReplace);
        connect(replaceAll_, &QPushButton::clicked, this, &FindReplaceDlg::OnReplaceAll);
    }
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(options, 1);
    layout->addLayout(buttons);
    connect(findWhat_, &QLineEdit::textChanged, this, &FindReplaceDlg::UpdateButtons);
    setAttribute(Qt::WA_DeleteOnClose);
}

void FindReplaceDlg::Start(const QString& initialText) {
    findWhat_->setText(initialText.isEmpty() ? last_.findWhat : initialText);
    if (replaceWith_)
        replaceWith_->setText(last_.replaceWith);
    wholeWord_->setChecked(last_.wholeWord);
    matchCase_->setChecked(last_.matchCase);
    if (up_)
        up_->setChecked(!last_.down);
    UpdateButtons();
    show();
    raise();
    activateWindow();
    findWhat_->selectAll();
    findWhat_->setFocus();
}

void FindReplaceDlg::UpdateButtons() {
    const bool any = !findWhat_->text().isEmpty();
    findNext_->setEnabled(any);
    if (replaceButton_) {
        replaceButton_->setEnabled(any);
        replaceAll_->setEnabled(any);
    }
}

void FindReplaceDlg::Gather() {
    last_.findWhat = findWhat_->text();
    if (replaceWith_)
        last_.replaceWith = replaceWith_->text();
    last_.wholeWord = wholeWord_->isChecked();
    last_.matchCase = matchCase_->isChecked();
    last_.down = !up_ || !up_->isChecked();
}

void FindReplaceDlg::OnFindNext() {
    Gather();
    if (CQuorView* view = activeView ? activeView() : nullptr)
        if (!view->FindNext(last_))
            QApplication::beep();
}

void FindReplaceDlg::OnReplace() {
    Gather();
    CQuorView* view = activeView ? activeView() : nullptr;
    if (view && !view->ReplaceCurrent(last_))
        QApplication::beep();
}

void FindReplaceDlg::OnReplaceAll() {
    Gather();
    if (CQuorView* view = activeView ? activeView() : nullptr)
        if (view->ReplaceAll(last_) == 0)
            QApplication::beep();
}

} // namespace velto
