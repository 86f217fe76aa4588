// The Find in Files dialog: what to find, how, in which folder and which files.
#pragma once

#include "core/site/TextSearch.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace velto {

class FindInFilesDialog : public QDialog {
    Q_OBJECT
public:
    FindInFilesDialog(const QString& folder, const QString& text, QWidget* parent);

    [[nodiscard]] SearchOptions Options() const;
    [[nodiscard]] QString Folder() const;
    [[nodiscard]] QString Include() const;

    void accept() override;

private:
    QLineEdit* pattern_;
    QLineEdit* folder_;
    QLineEdit* include_;
    QCheckBox* regex_;
    QCheckBox* matchCase_;
    QCheckBox* wholeWord_;
};

} // namespace velto
