// The main window: the MDI area with the documents' windows, the menus and tool bars built
// from the command table, the status bar, the recent files and the saved placement.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <vector>

class QAction;
class QKeySequence;
class QMdiArea;
class QMenu;
class QToolBar;

namespace velto {

class CLockStatePanes;
class CQuorApp;
class CQuorDoc;
class CQuorView;
class CommandTable;
class ReferenceWindow;
class MenuModel;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CQuorApp& app);
    ~CMainFrame() override;

    [[nodiscard]] CQuorApp& App() const { return app_; }
    [[nodiscard]] QMdiArea* MdiArea() const { return area_; }
    // The view of the active document window, or nullptr.
    [[nodiscard]] CQuorView* ActiveView() const;
    [[nodiscard]] CQuorDoc* ActiveDocument() const;

    // Every command of the window, registered by the subsystems.
    [[nodiscard]] CommandTable& Commands() const { return *commands_; }
    // The menu command with the given id (see CommandIds.h), or nullptr.
    [[nodiscard]] QAction* Action(int id) const;
    // Enables the commands for the active view's state.
    void UpdateCommands();
    // Opens files dropped on the window or a view.
    void OpenFiles(const QStringList& paths);

    // The view's right-click menu at a point on the screen: the edit commands, then what
    // each provider adds for the text there. A provider appends to the model; items it
    // added that are chosen come back to its execute, which answers whether it took them.
    struct ContextMenuProvider {
        std::function<void(CQuorView& view, MenuModel& menu)> build;
        std::function<bool(CQuorView& view, int id)> execute;
    };
    void AddContextMenuProvider(ContextMenuProvider provider);
    void ShowContextMenu(CQuorView& view, const QPoint& globalPos);

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
    // Shows a text on the status bar; an empty one gives the idle text.
    void ShowPrompt(const QString& prompt);
    // The HTML reference window, made on first use (with its saved state) when create.
    ReferenceWindow* Reference(bool create);
    // The status-bar prompt of a command.
    [[nodiscard]] QString GetMessageString(int id) const;

    // Whether an item of the window's menus or bars has this key as its shortcut: the view
    // leaves such keys to the window.
    [[nodiscard]] bool ClaimsShortcut(const QKeySequence& key) const;

Q_SIGNALS:
    // UpdateCommands has brought the commands' states up to date.
    void CommandsUpdated();

protected:
    void closeEvent(QCloseEvent* e) override;
    // Status tips: the item's prompt, the idle text when it has none.
    bool event(QEvent* e) override;
    // Keeps the title the frame gives itself: a maximised MDI window would append its
    // own title to it again.
    void changeEvent(QEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void RegisterCommands();
    void CreateMenus();
    void FillWindowMenu(QMenu* window);
    void CreateBars();
    QToolBar* AddBar(const QString& title, const QString& name, const MenuModel& layout);
    void CreateLookupBar();
    void RebuildRecentFileMenu();
    void OnActiveWindowChanged();
    void UpdateTitle();

    CQuorApp& app_;
    QString title_;
    QMdiArea* area_;
    CommandTable* commands_;
    std::vector<ContextMenuProvider> contextProviders_;
    QMenu* fileMenu_ = nullptr;
    std::vector<QAction*> mruEntries_;
    QToolBar* mainBar_ = nullptr;
    QToolBar* referenceBar_ = nullptr;
    QToolBar* lookupBar_ = nullptr;
    CLockStatePanes* lockPanes_ = nullptr;
    QPointer<CQuorView> watchedView_;
    ReferenceWindow* reference_ = nullptr;
};

} // namespace velto
