// CAttStringDlg: asks for one attribute's value as text, for the tag menu and the event
// submenu; a URL-valued attribute gets the file assistance beside the field.
#pragma once

#include "core/tagassist/TagAssistant.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velto {

class CAssistEditHmaUrl;
class CEditorConfig;
class Prompter;

class CAttStringDlg : public QDialog {
    Q_OBJECT
public:
    CAttStringDlg(const TagAssistant::ValueRequest& request, const CEditorConfig& editor, Prompter& prompter,
                  QWidget* parent = nullptr);

    // What the user settled on; read after OK.
    [[nodiscard]] TagAssistant::ValueAnswer Answer() const;

    [[nodiscard]] QLineEdit* Field() const { return field_; }

public Q_SLOTS:
    // A value the tag cannot take keeps the dialog open with the reason.
    void accept() override;

private:
    const HtmlMetaAttBase& attribute_;
    Prompter& prompter_;
    QLineEdit* field_;
    QPushButton* browse_;
    QCheckBox* remove_;
    QCheckBox* imageSize_;
    CAssistEditHmaUrl* urlAssist_ = nullptr;
};

// Runs the dialog; nothing on Cancel.
std::optional<TagAssistant::ValueAnswer> AskAttributeValue(const TagAssistant::ValueRequest& request,
                                                           const CEditorConfig& editor, Prompter& prompter,
                                                           QWidget* parent);

} // namespace velto
