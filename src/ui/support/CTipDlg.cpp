// The tip of the day dialog.
#include "ui/support/CTipDlg.h"

#include "core/support/CTipOfTheDay.h"
#include "ui/app/CQuorApp.h"
#include "ui/platform/DataPaths.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velto {

CTipDlg::CTipDlg(CQuorApp& app, QWidget* parent)
    : QDialog(parent),
      tips_(std::make_unique<CTipOfTheDay>(
          app.GetProfile(), app.GetPrompter(),
          std::vector<std::string>{QDir::current().filePath(QStringLiteral("tips.txt")).toStdString(),
                                   JoinPath(app.DataFolder(), QStringLiteral("tips.txt")).toStdString()},
          app.DataFolder().toStdString())),
      tip_(new QLabel(this)), showAtStartUp_(new QCheckBox(QStringLiteral("Show tips at startup"), this)),
      next_(new QPushButton(QStringLiteral("&Next Tip"), this)) {
    setWindowTitle(QStringLiteral("Tip of the Day"));
    auto* heading = new QLabel(QStringLiteral("Did you know..."), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    heading->setFont(bold);
    tip_->setWordWrap(true);
    tip_->setTextFormat(Qt::PlainText);
    tip_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tip_->setMinimumSize(360, 120);
    tip_->setMargin(10);
    tip_->setAutoFillBackground(true);
    QPalette white = tip_->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    tip_->setPalette(white);
    tip_->setFrameShape(QFrame::StyledPanel);
    showAtStartUp_->setChecked(tips_->ShowAtStartUp());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(next_, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTipDlg::accept);
    connect(next_, &QPushButton::clicked, this, [this] {
        tips_->Next();
        ShowTip();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(tip_, 1);
    layout->addWidget(showAtStartUp_);
    layout->addWidget(buttons);
    ShowTip();
}

CTipDlg::~CTipDlg() = default;

void CTipDlg::ShowTip() {
    tip_->setText(QString::fromStdString(tips_->Tip()));
    next_->setEnabled(tips_->HasTips());
}

void CTipDlg::accept() {
    tips_->Finish(showAtStartUp_->isChecked());
    QDialog::accept();
}

void CTipDlg::ShowAtStart(CQuorApp& app, QWidget* parent) {
    auto* dialog = new CTipDlg(app, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

} // namespace velto
