// The Site dock: the tree of the site folder.
#include "ui/site/SiteDock.h"

#include "core/site/SiteFolder.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileIconProvider>
#include <QHeaderView>
#include <QTreeWidget>
#include <QUrl>

#include <set>

namespace velto {

namespace {
constexpr int PathRole = Qt::UserRole;
constexpr int FolderRole = Qt::UserRole + 1;
constexpr int FilledRole = Qt::UserRole + 2;

QIcon IconFor(SiteFileKind kind) {
    static const QFileIconProvider provider;
    switch (kind) {
    case SiteFileKind::Folder:
        return provider.icon(QFileIconProvider::Folder);
    case SiteFileKind::Page:
        return QIcon::fromTheme(QStringLiteral("text-html"),
                                provider.icon(QFileIconProvider::File));
    case SiteFileKind::Image:
        return QIcon::fromTheme(QStringLiteral("image-x-generic"),
                                provider.icon(QFileIconProvider::File));
    case SiteFileKind::StyleSheet:
        return QIcon::fromTheme(QStringLiteral("text-css"), provider.icon(QFileIconProvider::File));
    case SiteFileKind::Script:
        return QIcon::fromTheme(QStringLiteral("text-x-script"),
                                provider.icon(QFileIconProvider::File));
    case SiteFileKind::Other:
        break;
    }
    return provider.icon(QFileIconProvider::File);
}

// A folder not read yet shows an expander through a placeholder child.
void AddPlaceholder(QTreeWidgetItem* folder) {
    folder->addChild(new QTreeWidgetItem());
}
} // namespace

SiteDock::SiteDock(QWidget* parent)
    : QDockWidget(tr("Site"), parent), tree_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("SiteDock"));
    tree_->setObjectName(QStringLiteral("SiteTree"));
    tree_->setHeaderHidden(true);
    tree_->setUniformRowHeights(true);
    setWidget(tree_);
    connect(tree_, &QTreeWidget::itemExpanded, this, &SiteDock::OnExpanded);
    connect(tree_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item, int) { OnActivated(item); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &SiteDock::OnFolderChanged);
}

void SiteDock::SetFolder(const QString& folder) {
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    tree_->clear();
    folder_ = QDir::cleanPath(folder);
    setWindowTitle(folder_.isEmpty() ? tr("Site") : tr("Site: %1").arg(QDir(folder_).dirName()));
    if (folder_.isEmpty())
        return;
    Fill(tree_->invisibleRootItem(), folder_);
}

void SiteDock::Fill(QTreeWidgetItem* item, const QString& folder) {
    // Which sub-folders were open, so that a refresh keeps them open.
    std::set<QString> expanded;
    for (int i = 0; i < item->childCount(); ++i)
        if (item->child(i)->isExpanded())
            expanded.insert(item->child(i)->data(0, PathRole).toString());
    qDeleteAll(item->takeChildren());
    for (const SiteEntry& entry : ReadSiteFolder(folder.toStdString())) {
        auto* child = new QTreeWidgetItem(item, {QString::fromStdString(entry.name)});
        const QString path = QString::fromStdString(entry.path);
        child->setData(0, PathRole, path);
        child->setData(0, FolderRole, entry.IsFolder());
        child->setIcon(0, IconFor(entry.kind));
        child->setToolTip(0, path);
        if (entry.IsFolder()) {
            AddPlaceholder(child);
            if (expanded.contains(path))
                child->setExpanded(true); // read again through OnExpanded
        }
    }
    item->setData(0, FilledRole, true);
    watcher_.addPath(folder);
}

void SiteDock::OnExpanded(QTreeWidgetItem* item) {
    if (item->data(0, FilledRole).toBool())
        return;
    Fill(item, item->data(0, PathRole).toString());
}

void SiteDock::OnActivated(QTreeWidgetItem* item) {
    if (!item || item->data(0, FolderRole).toBool())
        return;
    const QString path = item->data(0, PathRole).toString();
    if (SiteFileKindOf(item->text(0).toStdString()) == SiteFileKind::Page)
        Q_EMIT PageChosen(path);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QTreeWidgetItem* SiteDock::ItemOfFolder(const QString& folder) const {
    if (QDir::cleanPath(folder) == folder_)
        return tree_->invisibleRootItem();
    QTreeWidgetItem* item = tree_->invisibleRootItem();
    const QString relative = QDir(folder_).relativeFilePath(folder);
    for (const QString& name : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < item->childCount() && !next; ++i)
            if (item->child(i)->text(0) == name)
                next = item->child(i);
        if (!next)
            return nullptr;
        item = next;
    }
    return item;
}

void SiteDock::OnFolderChanged(const QString& folder) {
    QTreeWidgetItem* item = ItemOfFolder(folder);
    if (!item || !item->data(0, FilledRole).toBool()) {
        watcher_.removePath(folder);
        return;
    }
    Fill(item, folder);
}

} // namespace velto
