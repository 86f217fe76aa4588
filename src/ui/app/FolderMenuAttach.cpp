// Attaching a folder menu under a menu item found by its exact text.
#include "ui/app/FolderMenuAttach.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace velto {

namespace {
QAction* FindByText(const QList<QAction*>& actions, const QString& text) {
    for (QAction* a : actions)
        if (!a->isSeparator() && a->text() == text)
            return a;
    return nullptr;
}
} // namespace

bool AttachFolderMenu(QMenuBar* bar, const QString& topText, const QString& itemText, QMenu* popup) {
    if (!bar || !popup)
        return false;
    QAction* top = FindByText(bar->actions(), topText);
    QMenu* menu = top ? top->menu() : nullptr;
    QAction* item = menu ? FindByText(menu->actions(), itemText) : nullptr;
    if (!item)
        return false;
    if (item->menu() != popup) {
        popup->setTitle(itemText);
        item->setMenu(popup);
    }
    item->setEnabled(true);
    return true;
}

} // namespace velto
