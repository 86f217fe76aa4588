// The Report Problem dialog: contact details, a description and the level of detail,
// saved as a text report about the problem and this computer.
#pragma once

#include "ui/platform/QtFileChooser.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace velto {

class CQuorApp;
struct ReportContact;

class ProbReportDlg final : public QDialog {
    Q_OBJECT
public:
    ProbReportDlg(CQuorApp& app, QWidget* parent);

    // Tests answer the save dialog through the chooser's hook.
    [[nodiscard]] QtFileChooser& Chooser() { return chooser_; }
    [[nodiscard]] QLineEdit* Field(const char* name) const;
    [[nodiscard]] QPlainTextEdit* PostalAddress() const { return address_; }
    [[nodiscard]] QPlainTextEdit* Description() const { return description_; }
    [[nodiscard]] QRadioButton* DetailButton(int level) const { return detail_[level]; }
    [[nodiscard]] QPushButton* SaveButton() const { return save_; }

    // Asks for a file and writes the report; closes the dialog once it is saved.
    void Save();

private:
    [[nodiscard]] ReportContact Contact() const;
    void Show(const ReportContact& contact);

    CQuorApp& app_;
    QtFileChooser chooser_;
    QLineEdit* title_;
    QLineEdit* firstName_;
    QLineEdit* lastName_;
    QPlainTextEdit* address_;
    QLineEdit* tel_;
    QLineEdit* fax_;
    QLineEdit* email_;
    QPlainTextEdit* description_;
    QRadioButton* detail_[3];
    QPushButton* save_;
};

} // namespace velto
