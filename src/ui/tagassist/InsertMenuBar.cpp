// The HTML insert menus on the main window's menu bar.
#include "ui/tagassist/InsertMenuBar.h"

#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/app/CommandTable.h"
#include "ui/app/MenuRenderer.h"
#include "ui/document/CQuorView.h"
#include "ui/document/ScintillaTextControl.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <set>

namespace velto {

namespace {
// The bar's "&Tools" menu (or, without one, "&Window"), before which the insert menus
// stand; neither: they go last.
QAction* WindowMenuAction(QMenuBar& bar) {
    for (const QLatin1String title : {QLatin1String("&Tools"), QLatin1String("&Window")})
        for (QAction* a : bar.actions())
            if (a->menu() && a->menu()->title() == title)
                return a;
    return nullptr;
}

void CollectActions(QMenu& menu, std::vector<QAction*>& out) {
    for (QAction* a : menu.actions()) {
        if (a->menu())
            CollectActions(*a->menu(), out);
        else if (!a->isSeparator())
            out.push_back(a);
    }
}
} // namespace

InsertMenuBar::InsertMenuBar(CMainFrame& frame) : QObject(&frame), frame_(frame) {
    CQuorApp& app = frame.App();
    // The knowledge base comes after the window; from then on every change of the version
    // selection rebuilds the menus, the first at start-up.
    connect(&app, &CQuorApp::KnowledgeBaseReady, this, [this, &app] {
        listener_ = app.KnowledgeBase().AddRebuildListener([this] { Rebuild(); });
    });
    connect(&app, &CQuorApp::KnowledgeBaseClosing, this, &InsertMenuBar::Release);
    connect(&frame, &CMainFrame::CommandsUpdated, this, &InsertMenuBar::UpdateEnabled);
    if (app.HasKnowledgeBase()) {
        listener_ = app.KnowledgeBase().AddRebuildListener([this] { Rebuild(); });
        Rebuild();
    }
}

InsertMenuBar::~InsertMenuBar() {
    if (listener_ && frame_.App().HasKnowledgeBase())
        frame_.App().KnowledgeBase().RemoveRebuildListener(listener_);
}

void InsertMenuBar::RemoveMenus() {
    for (QMenu* menu : menus_)
        delete menu; // takes its action off the bar
    menus_.clear();
    actions_.clear();
}

void InsertMenuBar::Release() {
    if (listener_ && frame_.App().HasKnowledgeBase())
        frame_.App().KnowledgeBase().RemoveRebuildListener(listener_);
    listener_ = 0;
    RemoveMenus();
    core_.Clear();
}

void InsertMenuBar::Rebuild() {
    RemoveMenus();
    CQuorApp& app = frame_.App();
    if (!app.HasKnowledgeBase()) {
        core_.Clear();
        return;
    }
    core_.Build(app.KnowledgeBase());
    QMenuBar& bar = *frame_.menuBar();
    QAction* before = WindowMenuAction(bar);
    for (const MenuItem& item : core_.Menus().Items()) {
        auto* menu = new QMenu(QString::fromStdString(item.text), &bar);
        RenderMenu(*menu, item.submenu, &frame_.Commands(), [this](int id) { Run(id); });
        connect(menu, &QMenu::aboutToShow, &frame_, &CMainFrame::UpdateCommands);
        bar.insertMenu(before, menu);
        menus_.push_back(menu);
    }
    std::vector<QAction*> all;
    for (QMenu* menu : menus_)
        CollectActions(*menu, all);
    for (QAction* a : all)
        if (a->data().isValid() && Has(a->data().toInt()))
            actions_.push_back(a);
    AssignShortcuts();
    UpdateEnabled();
}

void InsertMenuBar::AssignShortcuts() {
    std::set<QKeySequence> taken;
    for (QAction* a : actions_) {
        const QKeySequence key = a->shortcut();
        if (key.isEmpty())
            continue;
        if (taken.insert(key).second)
            continue;
        a->setShortcut({});
        a->setText(a->text() + QLatin1Char('\t') + key.toString(QKeySequence::NativeText));
    }
}

void InsertMenuBar::UpdateEnabled() {
    const bool view = frame_.ActiveView() != nullptr;
    for (QAction* a : actions_)
        a->setEnabled(view);
}

bool InsertMenuBar::Run(int id) {
    CQuorView* view = frame_.ActiveView();
    if (!view || !Has(id))
        return false;
    view->EditAsOneChange([&] { core_.Execute(id, view->Control()); });
    frame_.UpdateCommands();
    return true;
}

} // namespace velto
