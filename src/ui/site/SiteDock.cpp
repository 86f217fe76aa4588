// The Site dock: the tree of the site folder.
#include "ui/site/SiteDock.h"

#include "core/site/SiteDockMenu.h"
#include "core/site/SiteFolder.h"
#include "ui/site/SiteDrag.h"
#include "ui/site/SiteIcons.h"

#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDrag>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QTreeWidget>
#include <QUrl>

#include <set>

namespace velto {

namespace {
// A folder not read yet shows an expander through a placeholder child.
void AddPlaceholder(QTreeWidgetItem* folder) {
    folder->addChild(new QTreeWidgetItem());
}

// The tree: its drags carry the files' paths, drops on it move files, and its context
// menu and F2 go to the dock.
class SiteTree final : public QTreeWidget {
public:
    explicit SiteTree(SiteDock& dock) : QTreeWidget(&dock), dock_(dock) {
        setDragEnabled(true);
        setAcceptDrops(true);
        setDropIndicatorShown(true);
        setDragDropMode(QAbstractItemView::DragDrop);
    }

protected:
    void startDrag(Qt::DropActions) override {
        QStringList paths;
        for (const QTreeWidgetItem* item : selectedItems())
            paths << dock_.PathOf(item);
        if (paths.isEmpty())
            return;
        // The tree follows the disk by itself: whatever the drop did, no item is removed here.
        auto* drag = new QDrag(this);
        drag->setMimeData(MakeSiteDrag(paths));
        drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
    }
    void dragEnterEvent(QDragEnterEvent* e) override {
        if (SiteDragPaths(e->mimeData()).isEmpty())
            e->ignore();
        else
            e->acceptProposedAction();
    }
    void dragMoveEvent(QDragMoveEvent* e) override {
        if (SiteDragPaths(e->mimeData()).isEmpty())
            e->ignore();
        else
            e->acceptProposedAction();
    }
    void dropEvent(QDropEvent* e) override {
        const QStringList paths = SiteDragPaths(e->mimeData());
        if (paths.isEmpty()) {
            e->ignore();
            return;
        }
        e->setDropAction(Qt::CopyAction);
        e->accept();
        dock_.MoveInto(paths, itemAt(e->position().toPoint()));
    }
    void contextMenuEvent(QContextMenuEvent* e) override {
        QTreeWidgetItem* item = e->reason() == QContextMenuEvent::Keyboard
                                    ? currentItem()
                                    : itemAt(e->pos());
        QPointer<QMenu> menu = dock_.MakeContextMenu(item, this);
        menu->exec(e->globalPos());
        delete menu;
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_F2 && e->modifiers() == Qt::NoModifier && currentItem()) {
            dock_.Run(SiteDockCommand::Rename, currentItem());
            return;
        }
        QTreeWidget::keyPressEvent(e);
    }

private:
    SiteDock& dock_;
};
} // namespace

SiteDock::SiteDock(QWidget* parent)
    : QDockWidget(tr("Site"), parent), tree_(new SiteTree(*this)) {
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
        child->setIcon(0, SiteFileIcon(entry.kind));
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
