// CAssistEditHmaUrl: the file assistance of a URL-valued attribute's value field.
#include "ui/tagassist/CAssistEditHmaUrl.h"

#include "core/assist/ImageSize.h"
#include "core/assist/InsertableUrl.h"
#include "core/assist/LinkedFile.h"
#include "core/assist/UrlFileFilters.h"
#include "core/config/EditorConfig.h"
#include "core/htmlkb/HtmlMetaAttBase.h"
#include "ui/platform/QtFileFilters.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace velto {
namespace {

// "GIF Images (*.gif)": the whole text is what the dialog shows, the patterns come from
// the last parentheses.
FileFilter FilterOfRow(std::string_view row) {
    const std::size_t open = row.rfind('(');
    const std::size_t close = row.rfind(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open)
        return {std::string(row), "*.*"};
    return {std::string(row), std::string(row.substr(open + 1, close - open - 1))};
}

QString RunFileDialog(QWidget* parent, const CAssistEditHmaUrl::FileRequest& request) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(request.filters);
    if (request.preselected >= 0 && request.preselected < request.filters.size())
        dialog.selectNameFilter(request.filters.at(request.preselected));
    const QFileInfo start(request.start);
    if (start.isDir()) {
        dialog.setDirectory(request.start);
    } else if (!request.start.isEmpty()) {
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

CAssistEditHmaUrl::CAssistEditHmaUrl(const HtmlMetaAttBase& attribute, std::string documentFolder,
                                     const CEditorConfig& editor, QLineEdit* field, QPushButton* browse,
                                     QCheckBox* imageSize)
    : QObject(field), attribute_(attribute), documentFolder_(std::move(documentFolder)), editor_(editor),
      field_(field), imageSize_(imageSize) {
    const UrlFileDialogFilters filters = FiltersForUrlValue(attribute.KindFlags());
    browse->setText(QString::fromStdString(std::string(filters.buttonLabel)));
    browse->setEnabled(true);
    connect(browse, &QPushButton::clicked, this, &CAssistEditHmaUrl::Browse);
    imageSize_->setVisible(attribute.IsImageValued());
    if (attribute.IsImageValued()) {
        connect(field_, &QLineEdit::textChanged, this, &CAssistEditHmaUrl::UpdateImageSizeBox);
        UpdateImageSizeBox();
    }
}

CAssistEditHmaUrl::FileChooser& CAssistEditHmaUrl::Chooser() {
    static FileChooser chooser = RunFileDialog;
    return chooser;
}

CAssistEditHmaUrl::FileRequest CAssistEditHmaUrl::Request() const {
    FileRequest request;
    const UrlFileDialogFilters filters = FiltersForUrlValue(attribute_.KindFlags());
    std::vector<FileFilter> rows;
    for (const UrlFilterRow* row : filters.rows)
        rows.push_back(FilterOfRow(row->filter));
    request.filters = QtNameFilters(rows);
    request.preselected = static_cast<int>(filters.preselected);
    // The dialog starts at the file the value names, else in its folder when that exists,
    // else in the document's folder.
    request.start = QString::fromStdString(documentFolder_);
    if (const std::optional<std::string> path = LinkedLocalFile(field_->text().toStdString(), documentFolder_)) {
        const QFileInfo named(QString::fromStdString(*path));
        if (named.isFile() || named.isDir())
            request.start = named.absoluteFilePath();
        else if (named.absoluteDir().exists())
            request.start = named.absolutePath();
    }
    return request;
}

bool CAssistEditHmaUrl::SetImageSize() const {
    return attribute_.IsImageValued() && imageSize_->isEnabled() && imageSize_->isChecked();
}

void CAssistEditHmaUrl::Browse() {
    const QString chosen = Chooser()(field_->window(), Request());
    if (chosen.isEmpty())
        return;
    std::string url = MakeInsertableUrl(QFileInfo(chosen).absoluteFilePath().toStdString(), documentFolder_,
                                        editor_.insertRelativeFilePaths);
    QString text = QString::fromStdString(url);
    if (editor_.insertInsertPathsLowerCase)
        text = text.toLower();
    field_->setText(text);
    field_->setFocus();
    field_->selectAll();
}

void CAssistEditHmaUrl::UpdateImageSizeBox() {
    // Only a file whose header gives a size can set HEIGHT and WIDTH.
    const std::optional<std::string> path = LinkedLocalFile(field_->text().toStdString(), documentFolder_);
    imageSize_->setEnabled(path && QFileInfo(QString::fromStdString(*path)).isFile() && ImageSize(*path).ok);
}

} // namespace velto
