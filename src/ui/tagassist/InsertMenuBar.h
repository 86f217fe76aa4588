// The HTML insert menus on the main window's menu bar: the core's menus rendered before
// "&Window", rebuilt whenever the version selection changes, their commands run on the
// active view as one undoable change.
#pragma once

#include "core/tagassist/CHtmlInsertMenus.h"

#include <QObject>

#include <vector>

class QAction;
class QMenu;

namespace velto {

class CMainFrame;

class InsertMenuBar : public QObject {
    Q_OBJECT
public:
    explicit InsertMenuBar(CMainFrame& frame);
    ~InsertMenuBar() override;

    // Takes the menus off the bar and builds them again from the knowledge base.
    void Rebuild();
    // Takes the menus off the bar and forgets their commands (before the knowledge base
    // goes).
    void Release();

    [[nodiscard]] bool Has(int id) const { return core_.Find(id) != nullptr; }
    // Runs a command on the active view; false when there is none or the id is not one of
    // the menus'.
    bool Run(int id);
    [[nodiscard]] const std::vector<QMenu*>& Menus() const noexcept { return menus_; }

private:
    void RemoveMenus();
    // A key hint that another item shows too is a shortcut of the first one only: the
    // others show the hint as text.
    void AssignShortcuts();
    void UpdateEnabled();

    CMainFrame& frame_;
    CHtmlInsertMenus core_;
    std::vector<QMenu*> menus_;
    std::vector<QAction*> actions_; // the items of the menus' own commands
    int listener_ = 0;
};

} // namespace velto
