// F1: the application help page.
#include "ui/support/HelpPage.h"

#include "core/platform/Prompter.h"
#include "core/platform/ReplaceFile.h"
#include "core/support/ApplicationHelp.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/platform/DataPaths.h"
#include "ui/platform/QtProfile.h"
#include "ui/reference/ReferenceWindow.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

namespace velto {

namespace {
// The commands of each menu of the bar as they stand now: entries with a prompt (the
// recent files and open windows are the user's, not commands), a submenu by its item.
std::vector<HelpMenu> MenusOf(CMainFrame& frame) {
    std::vector<HelpMenu> menus;
    for (QAction* top : frame.menuBar()->actions()) {
        if (!top->menu())
            continue;
        HelpMenu menu{PlainMenuText(top->text().toStdString()), {}};
        for (QAction* a : top->menu()->actions()) {
            if (a->isSeparator() || !a->isVisible() || a->statusTip().isEmpty())
                continue;
            const QString text = a->text();
            QString keys = text.section(QLatin1Char('\t'), 1);
            if (keys.isEmpty())
                keys = a->shortcut().toString(QKeySequence::NativeText);
            menu.commands.push_back({PlainMenuText(text.toStdString()), keys.toStdString(),
                                     a->statusTip().toStdString()});
        }
        menus.push_back(std::move(menu));
    }
    return menus;
}

std::vector<HelpFolder> FoldersOf(CQuorApp& app) {
    const QString user = app.UserFolder();
    std::vector<HelpFolder> folders = {
        {"Templates", (user + QStringLiteral("/Templates")).toStdString()},
        {"Snippets", (user + QStringLiteral("/Templates/Snippets")).toStdString()},
        {"HTML reference menu", (user + QStringLiteral("/HTML References")).toStdString()},
        {"On The Web menu", (user + QStringLiteral("/On The Web")).toStdString()},
        {"Unsaved work, kept for recovery",
         (UserStateFolder() + QStringLiteral("/recovery")).toStdString()},
    };
    if (const auto* profile = dynamic_cast<const QtProfile*>(&app.GetProfile()))
        folders.push_back({"Settings", profile->FileName().toStdString()});
    return folders;
}
} // namespace

QString ApplicationHelpPath() {
    return UserStateFolder() + QStringLiteral("/Velto Help.html");
}

bool ShowApplicationHelp(CMainFrame& frame) {
    CQuorApp& app = frame.App();
    const QString path = ApplicationHelpPath();
    const std::string page = ApplicationHelpPage(VELTO_VERSION, MenusOf(frame), FoldersOf(app));
    std::string error;
    if (!QDir().mkpath(UserStateFolder()) ||
        ReplaceFileContents(path.toStdString(), page, error) != ReplaceResult::Written) {
        app.GetPrompter().Message("Unable to write the help page " + path.toStdString() + ".\n\n" +
                                      error,
                                  Prompter::Kind::Warning);
        return false;
    }
    frame.Reference(true)->OpenPage(path.toStdString(), {});
    return true;
}

} // namespace velto
