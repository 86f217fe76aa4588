// The Site dock: the tree of the site folder, each folder read when it is first opened and
// read again when its files change on disk; a double-click opens a page in the editor
// and hands any other file to the desktop.
#pragma once

#include <QDockWidget>
#include <QFileSystemWatcher>

class QTreeWidget;
class QTreeWidgetItem;

namespace velto {

class SiteDock : public QDockWidget {
    Q_OBJECT
public:
    explicit SiteDock(QWidget* parent);

    void SetFolder(const QString& folder);
    [[nodiscard]] const QString& Folder() const { return folder_; }
    [[nodiscard]] QTreeWidget* Tree() const { return tree_; }

Q_SIGNALS:
    // A page was double-clicked.
    void PageChosen(const QString& path);

private:
    void Fill(QTreeWidgetItem* item, const QString& folder);
    void OnExpanded(QTreeWidgetItem* item);
    void OnActivated(QTreeWidgetItem* item);
    void OnFolderChanged(const QString& folder);
    [[nodiscard]] QTreeWidgetItem* ItemOfFolder(const QString& folder) const;

    QTreeWidget* tree_;
    QFileSystemWatcher watcher_;
    QString folder_;
};

} // namespace velto
