// The Site dock's context menu commands and the moves of files dropped on its tree.
#include "core/platform/Prompter.h"
#include "core/site/SiteDockMenu.h"
#include "core/site/SiteNewName.h"
#include "ui/app/MenuRenderer.h"
#include "ui/site/SiteDock.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMenu>
#include <QTreeWidget>
#include <QUrl>

namespace velto {

QString SiteDock::PathOf(const QTreeWidgetItem* item) const {
    return item ? item->data(0, PathRole).toString() : folder_;
}

QString SiteDock::FolderFor(const QTreeWidgetItem* item) const {
    if (!item)
        return folder_;
    const QString path = PathOf(item);
    return item->data(0, FolderRole).toBool() ? path : QFileInfo(path).absolutePath();
}

QMenu* SiteDock::MakeContextMenu(QTreeWidgetItem* item, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("SiteDockMenu"));
    const SiteMenuTarget target = !item ? SiteMenuTarget::SiteFolder
                                  : item->data(0, FolderRole).toBool()
                                      ? SiteMenuTarget::Folder
                                      : SiteMenuTarget::File;
    // Paths, not the item: the tree may be filled again while the menu is open.
    const QString path = PathOf(item);
    const QString folder = FolderFor(item);
    const bool siteFolder = item == nullptr;
    RenderMenu(*menu, SiteDockMenu(target), nullptr, [this, path, folder, siteFolder](int id) {
        Run(id, path, folder, siteFolder);
    });
    return menu;
}

void SiteDock::Run(int command, QTreeWidgetItem* item) {
    Run(command, PathOf(item), FolderFor(item), item == nullptr);
}

void SiteDock::Run(int command, const QString& path, const QString& folder, bool siteFolder) {
    if (folder_.isEmpty())
        return;
    switch (command) {
    case SiteDockCommand::NewPage:
        if (const QString page = AskName(tr("New Page"), folder, {}, true); !page.isEmpty())
            Q_EMIT NewPageRequested(page);
        break;
    case SiteDockCommand::NewFolder:
        NewFolder(folder);
        break;
    case SiteDockCommand::Rename:
        if (!siteFolder)
            Rename(path);
        break;
    case SiteDockCommand::Delete:
        if (!siteFolder)
            Delete(path);
        break;
    case SiteDockCommand::CopyPath:
        QGuiApplication::clipboard()->setText(QDir::toNativeSeparators(path));
        break;
    case SiteDockCommand::OpenWithDefault:
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            Tell(tr("No application could be started for %1.").arg(path), true);
        break;
    default:
        break;
    }
}

QString SiteDock::AskName(const QString& title, const QString& folder, const QString& initial,
                          bool page) {
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("SiteNameDialog"));
    dialog.setWindowTitle(title);
    dialog.setLabelText(tr("&Name in %1:").arg(QDir::toNativeSeparators(folder)));
    dialog.setTextValue(initial);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const std::string typed(TrimmedName(dialog.textValue().toStdString()));
    if (!initial.isEmpty() && typed == initial.toStdString())
        return {}; // the same name: nothing to do
    const std::string folderName = folder.toStdString();
    std::string problem = NewNameProblem(folderName, typed);
    std::string name = typed;
    if (problem.empty() && page) {
        name = PageFileName(typed);
        problem = NewNameProblem(folderName, name);
    }
    if (!problem.empty()) {
        Tell(QString::fromStdString(problem), false);
        return {};
    }
    return folder + QLatin1Char('/') + QString::fromStdString(name);
}

void SiteDock::NewFolder(const QString& folder) {
    const QString path = AskName(tr("New Folder"), folder, {}, false);
    if (!path.isEmpty() && !QDir().mkdir(path))
        Tell(tr("The folder %1 could not be made.").arg(path), true);
}

void SiteDock::Rename(const QString& path) {
    const QFileInfo info(path);
    const QString to = AskName(tr("Rename"), info.absolutePath(), info.fileName(), false);
    if (!to.isEmpty())
        Q_EMIT RenameRequested(path, to);
}

void SiteDock::Delete(const QString& path) {
    if (!prompter_)
        return;
    const QFileInfo info(path);
    const QString what = info.isDir() ? tr("the folder \"%1\" and everything in it")
                                      : tr("\"%1\"");
    if (!prompter_->AskYesNo(
            tr("Move %1 to the trash?").arg(what.arg(info.fileName())).toStdString()))
        return;
    // Only ever to the trash: where the desktop has none for this file, nothing is deleted.
    if (!QFile::moveToTrash(path))
        Tell(tr("%1 could not be moved to the trash, so it was not deleted. The desktop may "
                "have no trash for the disk it is on.")
                 .arg(path),
             true);
}

void SiteDock::MoveInto(const QStringList& paths, const QTreeWidgetItem* item) {
    const QString folder = QDir::cleanPath(FolderFor(item));
    for (const QString& from : paths) {
        const QFileInfo info(from);
        if (!info.exists() || QDir::cleanPath(info.absolutePath()) == folder)
            continue; // gone meanwhile, or dropped where it is
        const QString source = QDir::cleanPath(info.absoluteFilePath());
        if (folder == source || folder.startsWith(source + QLatin1Char('/'))) {
            Tell(tr("%1 cannot be moved into itself.").arg(info.fileName()), false);
            continue;
        }
        const QString to = folder + QLatin1Char('/') + info.fileName();
        if (QFileInfo::exists(to) || QFileInfo(to).isSymLink()) {
            Tell(tr("\"%1\" already exists in %2.").arg(info.fileName(), folder), false);
            continue;
        }
        Q_EMIT RenameRequested(source, to);
    }
}

void SiteDock::Tell(const QString& text, bool error) {
    if (prompter_)
        prompter_->Message(text.toStdString(),
                           error ? Prompter::Kind::Error : Prompter::Kind::Warning);
}

} // namespace velto
