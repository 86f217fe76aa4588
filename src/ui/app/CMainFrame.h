// The main window: the MDI area with the documents' windows, the menus, the tool bars,
// the status bar, the recent files and the window's saved placement.
#pragma once

#include "ui/document/FindReplaceDlg.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

class QAction;
class QMdiArea;
class QMenu;
class QToolBar;

namespace velto {

class CLockStatePanes;
class CQuorApp;
class CQuorDoc;
class CQuorView;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CQuorApp& app);
    ~CMainFrame() override;

    [[nodiscard]] QMdiArea* MdiArea() const { return area_; }
    // The view of the active document window, or nullptr.
    [[nodiscard]] CQuorView* ActiveView() const;
    [[nodiscard]] CQuorDoc* ActiveDocument() const;
    // The menu command with the given id (see CommandIds.h), or nullptr.
    [[nodiscard]] QAction* Action(int id) const;
    // Enables the commands for the active view's state.
    void UpdateCommands();
    // Opens files dropped on the window or a view.
    void OpenFiles(const QStringList& paths);

    // The bars: the main tool bar, the HTML reference tool bar and the tag lookup bar.
    [[nodiscard]] QToolBar* MainToolBar() const { return mainBar_; }
    [[nodiscard]] QToolBar* ReferenceToolBar() const { return referenceBar_; }
    [[nodiscard]] QToolBar* LookupBar() const { return lookupBar_; }
    [[nodiscard]] CLockStatePanes* LockPanes() const { return lockPanes_; }

    // The placement "MainWindow" of "Settings" and the bars' layout kept under the same
    // name. Restore shows the window as saved and answers false, doing nothing, when no
    // usable placement is saved.
    void SavePlacement();
    bool RestorePlacement(bool startedMinimised);
    void SaveBarState();
    bool LoadBarState();
    // Shows the window normal, minimised, maximised or hidden (WPlacementObj numbering).
    void ShowWithCommand(std::uint32_t showCommand);
    // Hangs the folder menus that exist under their items of the menus.
    void AttachFolderMenus();
    // The status-bar prompt of a command.
    [[nodiscard]] QString GetMessageString(int id) const;

protected:
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void CreateMenus();
    QMenu* CreateFileMenu();
    QMenu* CreateEditMenu();
    QMenu* CreateHelpMenu();
    void CreateBars();
    QToolBar* AddBar(const QString& title, const QString& name, const std::vector<int>& commands);
    void CreateLookupBar();
    void RebuildRecentFileMenu();
    QAction* AddCommand(QMenu* menu, int id, const QString& text, const QString& prompt,
                        std::function<void()> handler);
    // Runs a command on the active view when there is one.
    std::function<void()> OnView(void (CQuorView::*command)());
    void OnActiveWindowChanged();
    void UpdateTitle();
    void ShowFind(bool replace);
    void OnFindNext();
    void OnAbout();

    CQuorApp& app_;
    QMdiArea* area_;
    std::map<int, QAction*> actions_;
    QMenu* fileMenu_ = nullptr;
    QAction* mruPlaceholder_ = nullptr;
    std::vector<QAction*> mruEntries_;
    QToolBar* mainBar_ = nullptr;
    QToolBar* referenceBar_ = nullptr;
    QToolBar* lookupBar_ = nullptr;
    CLockStatePanes* lockPanes_ = nullptr;
    QPointer<CQuorView> watchedView_;
    QPointer<FindReplaceDlg> findDialog_;
    SearchRequest lastSearch_;
};

} // namespace velto
