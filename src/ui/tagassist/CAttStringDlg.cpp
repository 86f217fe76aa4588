// CAttStringDlg: the attribute value dialog.
#include "ui/tagassist/CAttStringDlg.h"

#include "core/htmlkb/HtmlMetaAttBase.h"
#include "core/platform/Prompter.h"
#include "core/tagassist/AttributeValueRules.h"
#include "ui/tagassist/CAssistEditHmaUrl.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velto {

CAttStringDlg::CAttStringDlg(const TagAssistant::ValueRequest& request, const CEditorConfig& editor,
                             Prompter& prompter, QWidget* parent)
    : QDialog(parent), attribute_(*request.attribute), prompter_(prompter), field_(new QLineEdit(this)),
      browse_(new QPushButton(QStringLiteral("&Browse..."), this)),
      remove_(new QCheckBox(QStringLiteral("&Remove this attribute"), this)),
      imageSize_(new QCheckBox(QStringLiteral("Set &Height And Width From Image"), this)) {
    setObjectName(QStringLiteral("attributeValueDialog"));
    setWindowTitle(QString::fromStdString(attribute_.GetPopupName()));
    field_->setObjectName(QStringLiteral("value"));
    browse_->setObjectName(QStringLiteral("browse"));
    remove_->setObjectName(QStringLiteral("remove"));
    imageSize_->setObjectName(QStringLiteral("imageSize"));

    auto* prompt = new QLabel(QStringLiteral("Setting for ") + QString::fromStdString(attribute_.GetNameForInsert()) +
                                  QLatin1Char('='),
                              this);
    prompt->setObjectName(QStringLiteral("prompt"));
    prompt->setBuddy(field_);
    field_->setText(QString::fromStdString(request.value));
    field_->setMinimumWidth(field_->fontMetrics().averageCharWidth() * 48);
    field_->selectAll();
    field_->setFocus();

    // Only an attribute the tag has, and may do without, can be taken out.
    remove_->setEnabled(!attribute_.IsRequired() && request.present);

    auto* purpose = new QLabel(this);
    purpose->setObjectName(QStringLiteral("purpose"));
    purpose->setWordWrap(true);
    if (!attribute_.Description().empty())
        purpose->setText(QStringLiteral("Purpose: ") + QString::fromStdString(attribute_.Description()));

    if (attribute_.IsUrlValued()) {
        urlAssist_ = new CAssistEditHmaUrl(attribute_, request.documentFolder, editor, field_, browse_, imageSize_);
    } else {
        browse_->setEnabled(false);
        imageSize_->hide();
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CAttStringDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CAttStringDlg::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(prompt, 0, 0, 1, 2);
    grid->addWidget(field_, 1, 0);
    grid->addWidget(browse_, 1, 1);
    grid->addWidget(remove_, 2, 0, 1, 2);
    grid->addWidget(imageSize_, 3, 0, 1, 2);
    grid->addWidget(purpose, 4, 0, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(buttons);
}

TagAssistant::ValueAnswer CAttStringDlg::Answer() const {
    TagAssistant::ValueAnswer answer;
    answer.value = field_->text().toStdString();
    answer.remove = remove_->isEnabled() && remove_->isChecked();
    answer.setImageSize = urlAssist_ && urlAssist_->SetImageSize();
    return answer;
}

void CAttStringDlg::accept() {
    if (!Answer().remove) {
        if (const std::optional<std::string> refusal = RefuseTypedValue(attribute_, field_->text().toStdString())) {
            prompter_.Message(*refusal, Prompter::Kind::Warning);
            field_->setFocus();
            field_->selectAll();
            return;
        }
    }
    QDialog::accept();
}

std::optional<TagAssistant::ValueAnswer> AskAttributeValue(const TagAssistant::ValueRequest& request,
                                                           const CEditorConfig& editor, Prompter& prompter,
                                                           QWidget* parent) {
    CAttStringDlg dialog(request, editor, prompter, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Answer();
}

} // namespace velto
