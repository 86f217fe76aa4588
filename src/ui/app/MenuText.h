// Menu items from the program's menu texts, where a tab separates the shortcut key.
#pragma once

#include <QString>

class QAction;
class QObject;

namespace velto {

// "Cu&t\tCtrl+X" gives an action labelled "Cu&t" with the shortcut Ctrl+X.
QAction* MakeMenuAction(const QString& menuText, QObject* parent);

} // namespace velto
