// CAssistEditHmaUrl: the file assistance of a URL-valued attribute's value field: a browse
// button offering the file types that suit the attribute, the chosen file made into the URL
// the document should hold, and for images the offer to set HEIGHT and WIDTH from the file.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace velto {

class HtmlMetaAttBase;
class CEditorConfig;

class CAssistEditHmaUrl : public QObject {
    Q_OBJECT
public:
    // What the file dialog is asked for: where it starts (a folder or a file), the name
    // filters in order and the one shown first. An empty answer is Cancel.
    struct FileRequest {
        QString start;
        QStringList filters;
        int preselected = 0;
    };
    using FileChooser = std::function<QString(QWidget* parent, const FileRequest& request)>;

    // Takes over the browse button (its text becomes the kind's label) and, for an
    // image-valued attribute, the image size box; the box is hidden for any other.
    CAssistEditHmaUrl(const HtmlMetaAttBase& attribute, std::string documentFolder,
                      const CEditorConfig& editor, QLineEdit* field, QPushButton* browse,
                      QCheckBox* imageSize);

    // The file dialog; tests put their own answer here.
    static FileChooser& Chooser();

    // The dialog's request for the field's current value.
    [[nodiscard]] FileRequest Request() const;
    // Whether the box for HEIGHT and WIDTH is shown, enabled and ticked.
    [[nodiscard]] bool SetImageSize() const;

    // Runs the file dialog and puts the chosen file into the field.
    void Browse();

private:
    void UpdateImageSizeBox();

    const HtmlMetaAttBase& attribute_;
    std::string documentFolder_;
    const CEditorConfig& editor_;
    QLineEdit* field_;
    QCheckBox* imageSize_;
};

} // namespace velto
