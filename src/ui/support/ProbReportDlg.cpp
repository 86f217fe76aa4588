// The Report Problem dialog.
#include "ui/support/ProbReportDlg.h"

#include "core/support/CProblemReport.h"
#include "ui/app/CQuorApp.h"
#include "ui/support/QtReportFacts.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velto {

namespace {

QString Text(const std::string& s) {
    // The settings keep lines ending in CR LF; the edit boxes want "\n".
    return QString::fromStdString(s).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QPlainTextEdit* MultiLineBox(QWidget* parent, int lines) {
    auto* box = new QPlainTextEdit(parent);
    box->setTabChangesFocus(true);
    box->setMinimumHeight(box->fontMetrics().lineSpacing() * lines + 12);
    return box;
}

QPlainTextEdit* AddressBox(QWidget* parent) {
    QPlainTextEdit* box = MultiLineBox(parent, 3);
    box->setMaximumHeight(box->fontMetrics().lineSpacing() * 4 + 12);
    return box;
}

} // namespace

ProbReportDlg::ProbReportDlg(CQuorApp& app, QWidget* parent)
    : QDialog(parent), app_(app), chooser_([this] { return static_cast<QWidget*>(this); }),
      title_(new QLineEdit(this)), firstName_(new QLineEdit(this)), lastName_(new QLineEdit(this)),
      address_(AddressBox(this)), tel_(new QLineEdit(this)), fax_(new QLineEdit(this)),
      email_(new QLineEdit(this)), description_(MultiLineBox(this, 8)),
      detail_{new QRadioButton(QStringLiteral("&Concise"), this), new QRadioButton(QStringLiteral("Standa&rd"), this),
              new QRadioButton(QStringLiteral("De&tailed"), this)},
      save_(new QPushButton(QStringLiteral("&Save..."), this)) {
    setWindowTitle(QStringLiteral("Report a Problem"));
    title_->setObjectName(QStringLiteral("Title"));
    firstName_->setObjectName(QStringLiteral("FirstName"));
    lastName_->setObjectName(QStringLiteral("LastName"));
    tel_->setObjectName(QStringLiteral("Tel"));
    fax_->setObjectName(QStringLiteral("Fax"));
    email_->setObjectName(QStringLiteral("Email"));

    auto* intro = new QLabel(QStringLiteral("Describe the problem, or the feature you would like, and save the "
                                            "report as a text file to send to Kestrova. Your details are kept "
                                            "for the next report."),
                             this);
    intro->setWordWrap(true);

    auto* contact = new QGroupBox(QStringLiteral("Your Details"), this);
    auto* form = new QFormLayout(contact);
    form->addRow(QStringLiteral("T&itle:"), title_);
    form->addRow(QStringLiteral("&First Name:"), firstName_);
    form->addRow(QStringLiteral("&Last Name:"), lastName_);
    form->addRow(QStringLiteral("Postal &Address:"), address_);
    form->addRow(QStringLiteral("Tele&phone:"), tel_);
    form->addRow(QStringLiteral("Fa&x:"), fax_);
    form->addRow(QStringLiteral("&E-mail:"), email_);

    auto* problem = new QGroupBox(QStringLiteral("Problem &Description"), this);
    auto* problemLayout = new QVBoxLayout(problem);
    problemLayout->addWidget(description_);

    auto* detail = new QGroupBox(QStringLiteral("Detail"), this);
    auto* detailLayout = new QHBoxLayout(detail);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        group->addButton(detail_[i], i);
        detailLayout->addWidget(detail_[i]);
    }
    detailLayout->addStretch();
    detail_[0]->setToolTip(QStringLiteral("The system summary only"));
    detail_[1]->setToolTip(QStringLiteral("Also the system's release and kernel files"));
    detail_[2]->setToolTip(QStringLiteral("Also the libraries, display, desktop, settings file and fonts in use"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(save_, QDialogButtonBox::AcceptRole);
    save_->setDefault(true);
    connect(save_, &QPushButton::clicked, this, &ProbReportDlg::Save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(contact);
    layout->addWidget(problem, 1);
    layout->addWidget(detail);
    layout->addWidget(buttons);
    resize(520, 640);

    Show(CProblemReport(app_.GetProfile()).Load());
}

QLineEdit* ProbReportDlg::Field(const char* name) const {
    return findChild<QLineEdit*>(QString::fromLatin1(name));
}

void ProbReportDlg::Show(const ReportContact& c) {
    title_->setText(Text(c.title));
    firstName_->setText(Text(c.firstName));
    lastName_->setText(Text(c.lastName));
    address_->setPlainText(Text(c.postalAddress));
    tel_->setText(Text(c.tel));
    fax_->setText(Text(c.fax));
    email_->setText(Text(c.email));
    description_->setPlainText(Text(c.description));
    detail_[static_cast<int>(c.detail)]->setChecked(true);
}

ReportContact ProbReportDlg::Contact() const {
    ReportContact c;
    c.title = title_->text().toStdString();
    c.firstName = firstName_->text().toStdString();
    c.lastName = lastName_->text().toStdString();
    c.postalAddress = address_->toPlainText().toStdString();
    c.tel = tel_->text().toStdString();
    c.fax = fax_->text().toStdString();
    c.email = email_->text().toStdString();
    c.description = description_->toPlainText().toStdString();
    for (int i = 0; i < 3; ++i)
        if (detail_[i]->isChecked())
            c.detail = static_cast<ReportDetail>(i);
    return c;
}

void ProbReportDlg::Save() {
    QtReportFacts facts(app_);
    CProblemReport report(app_.GetProfile());
    if (report.Save(Contact(), chooser_, app_.GetPrompter(), facts) == CProblemReport::Outcome::Saved)
        accept();
}

} // namespace velto
