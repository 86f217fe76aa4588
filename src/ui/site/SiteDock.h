// The Site dock: the tree of the site folder, each folder read when it is first opened and
// read again when its files change on disk; a double-click opens a page in the editor
// and hands any other file to the desktop. Its context menu makes pages and folders,
// renames, deletes to the trash and copies paths; files dragged onto a folder of the tree
// move there, and dragged onto a page they are linked there.
#pragma once

#include <QDockWidget>
#include <QFileSystemWatcher>

class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace velto {

class Prompter;

class SiteDock : public QDockWidget {
    Q_OBJECT
public:
    // What each item of the tree carries.
    static constexpr int PathRole = Qt::UserRole;
    static constexpr int FolderRole = Qt::UserRole + 1;
    static constexpr int FilledRole = Qt::UserRole + 2;

    explicit SiteDock(QWidget* parent);

    void SetFolder(const QString& folder);
    [[nodiscard]] const QString& Folder() const { return folder_; }
    [[nodiscard]] QTreeWidget* Tree() const { return tree_; }
    // Questions and messages of the context menu's commands go through it.
    void SetPrompter(Prompter* prompter) { prompter_ = prompter; }

    // The item's file or folder; the site folder for none.
    [[nodiscard]] QString PathOf(const QTreeWidgetItem* item) const;
    // The folder a new file made on the item goes into: a folder itself, a file's folder.
    [[nodiscard]] QString FolderFor(const QTreeWidgetItem* item) const;
    // The context menu on an item (none: empty space), its actions running on that item.
    [[nodiscard]] QMenu* MakeContextMenu(QTreeWidgetItem* item, QWidget* parent);
    // A command of the context menu (see SiteDockCommand) on an item.
    void Run(int command, QTreeWidgetItem* item);
    // The paths dropped onto the item move into its folder.
    void MoveInto(const QStringList& paths, const QTreeWidgetItem* item);

Q_SIGNALS:
    // A page was double-clicked.
    void PageChosen(const QString& path);
    // New Page: a checked name in a folder, not made yet.
    void NewPageRequested(const QString& path);
    // Rename or a move by dragging: absolute paths, the new one checked to be free.
    void RenameRequested(const QString& from, const QString& to);

private:
    void Fill(QTreeWidgetItem* item, const QString& folder);
    void OnExpanded(QTreeWidgetItem* item);
    void OnActivated(QTreeWidgetItem* item);
    void OnFolderChanged(const QString& folder);
    [[nodiscard]] QTreeWidgetItem* ItemOfFolder(const QString& folder) const;

    // Asks for a name in folder; empty when cancelled or refused (the user was told why).
    QString AskName(const QString& title, const QString& folder, const QString& initial,
                    bool page);
    void NewFolder(const QString& folder);
    // The commands take paths, not items: a refresh during their dialogs deletes items.
    void Run(int command, const QString& path, const QString& folder, bool siteFolder);
    void Rename(const QString& path);
    void Delete(const QString& path);
    void Tell(const QString& text, bool error);

    QTreeWidget* tree_;
    QFileSystemWatcher watcher_;
    QString folder_;
    Prompter* prompter_ = nullptr;
};

} // namespace velto
