// Menu items from the program's menu texts.
#include "ui/app/MenuText.h"

#include <QAction>
#include <QKeySequence>

namespace velto {

QAction* MakeMenuAction(const QString& menuText, QObject* parent) {
    const qsizetype tab = menuText.indexOf(QLatin1Char('\t'));
    auto* action = new QAction(tab < 0 ? menuText : menuText.left(tab), parent);
    if (tab >= 0) {
        action->setShortcut(QKeySequence(menuText.mid(tab + 1), QKeySequence::PortableText));
        // Shortcuts of the menus work wherever the focus is in the main window.
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return action;
}

} // namespace velto
