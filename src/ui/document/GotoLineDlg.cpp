// The Go To Line dialog.
#include "ui/document/GotoLineDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace velto {

GotoLineDlg::GotoLineDlg(int initialLine, QWidget* parent) : QDialog(parent), line_(initialLine) {
    setWindowTitle(QStringLiteral("Go To Line"));
    field_ = new QLineEdit(QString::number(initialLine), this);
    auto* label = new QLabel(QStringLiteral("&Line number:"), this);
    label->setBuddy(field_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &GotoLineDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &GotoLineDlg::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(label, field_);
    layout->addRow(buttons);
    field_->selectAll();
    field_->setFocus();
}

std::optional<int> GotoLineDlg::ParseLine(const QString& text) {
    bool ok = false;
    const qlonglong n = text.trimmed().toLongLong(&ok);
    if (!ok || n < MinLine || n > MaxLine)
        return std::nullopt;
    return static_cast<int>(n);
}

void GotoLineDlg::accept() {
    const auto line = ParseLine(field_->text());
    if (!line) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Please enter an integer between %1 and %2.")
                                 .arg(MinLine)
                                 .arg(MaxLine));
        field_->selectAll();
        field_->setFocus();
        return;
    }
    line_ = *line;
    QDialog::accept();
}

} // namespace velto
