// The Find in Files dialog: what to find, how, in which folder and which files; for Replace
// in Files also what to put in place of each match.
#pragma once

#include "core/site/TextSearch.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace velto {

class FindInFilesDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Find, Replace };
    FindInFilesDialog(const QString& folder, const QString& text, QWidget* parent,
                      Mode mode = Mode::Find);

    [[nodiscard]] SearchOptions Options() const;
    [[nodiscard]] QString Folder() const;
    [[nodiscard]] QString Include() const;
    // The replacement, as typed (UTF-8); empty in the Find mode.
    [[nodiscard]] std::string Replacement() const;
    void SetReplacement(const QString& text);

    void accept() override;

private:
    QLineEdit* pattern_;
    QLineEdit* replacement_ = nullptr;
    QLineEdit* folder_;
    QLineEdit* include_;
    QCheckBox* regex_;
    QCheckBox* matchCase_;
    QCheckBox* wholeWord_;
};

} // namespace velto
