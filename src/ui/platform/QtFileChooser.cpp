// The core's file dialogs as Qt file dialogs.
#include "ui/platform/QtFileChooser.h"

#include "core/document/FileFilters.h"
#include "ui/platform/QtFileFilters.h"

#include <QDir>
#include <QFileDialog>

namespace velto {

std::optional<std::string> QtFileChooser::ChooseFile(const FileDialogRequest& request) {
    if (hook)
        return hook(request);
    QFileDialog dialog(parent_ ? parent_() : nullptr, QString::fromStdString(request.title));
    // Qt's dialogs never change the process's working folder, so keepWorkingFolder holds.
    QFileDialog::Options options = QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails;
    if (!request.overwritePrompt)
        options |= QFileDialog::DontConfirmOverwrite;
    dialog.setOptions(options);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(QtNameFilters(ParseFilterText(request.filter)));
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    const QString folder = QString::fromStdString(request.initialFolder);
    if (!folder.isEmpty() && QDir(folder).exists())
        dialog.setDirectory(folder);
    if (!request.fileName.empty())
        dialog.selectFile(QString::fromStdString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

} // namespace velto
