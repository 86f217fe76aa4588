// Shows a core menu model as Qt menus and tool bars.
#include "ui/app/MenuRenderer.h"

#include "core/menu/MenuModel.h"
#include "ui/app/CommandTable.h"
#include "ui/app/MenuText.h"
#include "ui/app/ToolbarIcons.h"
#include "ui/platform/ColourSwatch.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace velto {

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

void RenderMenu(QMenu& menu, const MenuModel& model, const CommandTable* table, const MenuChoice& choose) {
    for (const MenuItem& item : model.Items()) {
        if (item.IsSeparator()) {
            menu.addSeparator();
            continue;
        }
        if (item.IsSubmenu()) {
            QMenu* sub = menu.addMenu(Q(item.text));
            sub->menuAction()->setStatusTip(Q(item.prompt));
            sub->setEnabled(item.enabled);
            RenderMenu(*sub, item.submenu, table, choose);
            continue;
        }
        if (QAction* shared = (table && (item.text.empty() || item.windowCommand)) ? table->Action(item.id) : nullptr) {
            menu.addAction(shared);
            continue;
        }
        QAction* action = MakeMenuAction(Q(item.text), &menu);
        action->setData(item.id);
        action->setStatusTip(Q(item.prompt));
        action->setEnabled(item.enabled);
        if (item.checked) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        if (item.swatch)
            action->setIcon(ColourSwatch(*item.swatch, 16, item.checked));
        const int id = item.id;
        if (choose)
            QObject::connect(action, &QAction::triggered, &menu, [choose, id] { choose(id); });
        menu.addAction(action);
    }
}

std::vector<QMenu*> RenderMenuBar(QMenuBar& bar, const MenuModel& model, const CommandTable& table) {
    std::vector<QMenu*> menus;
    for (const MenuItem& item : model.Items()) {
        if (!item.IsSubmenu())
            continue;
        QMenu* menu = bar.addMenu(Q(item.text));
        RenderMenu(*menu, item.submenu, &table);
        menus.push_back(menu);
    }
    return menus;
}

void RenderToolBar(QToolBar& bar, const MenuModel& model, const CommandTable& table) {
    for (const MenuItem& item : model.Items()) {
        if (item.IsSeparator()) {
            bar.addSeparator();
        } else if (QAction* action = table.Action(item.id)) {
            if (action->icon().isNull())
                action->setIcon(CommandIcon(item.id, bar.style()));
            bar.addAction(action);
        }
    }
}

} // namespace velto
