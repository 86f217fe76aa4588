// The main window: the MDI area with the documents' windows, the menus and the status bar.
#pragma once

#include "ui/document/FindReplaceDlg.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>

#include <map>

class QAction;
class QMdiArea;
class QMenu;

namespace velto {

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

protected:
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void CreateMenus();
    QMenu* CreateFileMenu();
    QMenu* CreateEditMenu();
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
    QPointer<CQuorView> watchedView_;
    QPointer<FindReplaceDlg> findDialog_;
    SearchRequest lastSearch_;
};

} // namespace velto
