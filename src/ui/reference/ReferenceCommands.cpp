// The HTML reference commands: the reference window, context help and the lookup bar.
#include "ui/reference/ReferenceCommands.h"

#include "core/menu/CommandIds.h"
#include "core/reference/CHtmlHelpRefMgr.h"
#include "core/tagassist/HtmlElementEd.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/app/CommandRules.h"
#include "ui/app/CommandTable.h"
#include "ui/document/CQuorView.h"
#include "ui/document/ScintillaTextControl.h"
#include "ui/reference/ReferenceWindow.h"

#include <QLineEdit>
#include <QTextBrowser>
#include <QToolBar>

namespace velto {

namespace {
void LookUpTagAtCaret(CMainFrame& frame) {
    CQuorView* view = frame.ActiveView();
    CQuorApp& app = frame.App();
    if (!view || !app.HasKnowledgeBase())
        return;
    HtmlElementEd tag(app.KnowledgeBase(), view->Control());
    if (tag.FindTagAtCaret() && !tag.ElementName().empty())
        app.ContextHelp(tag.ElementName());
    else
        app.GetPrompter().Message(OutsideTagMessage, Prompter::Kind::Information);
}

void LookUpTypedTag(CMainFrame& frame) {
    auto* box = frame.LookupBar() ? frame.LookupBar()->findChild<QLineEdit*>(QStringLiteral("lookupTagName")) : nullptr;
    QString name = box ? box->text().trimmed() : QString();
    // "<TABLE>" and "TABLE" name the same element.
    if (name.startsWith(QLatin1Char('<')))
        name.remove(0, 1);
    if (name.endsWith(QLatin1Char('>')))
        name.chop(1);
    if (!name.isEmpty())
        frame.App().ContextHelp(name.toStdString());
}

void ToggleReference(CMainFrame& frame) {
    ReferenceWindow* window = frame.Reference(true);
    if (window->isVisible()) {
        window->hide();
        return;
    }
    window->show();
    window->raise();
    if (window->Source().isEmpty())
        window->Home();
}
} // namespace

void RegisterReferenceCommands(CommandTable& t, CMainFrame& frame) {
    using namespace CommandId;
    const auto window = [&frame] { return frame.Reference(false); };
    const auto shown = [window] { return window() && window()->isVisible(); };
    t.Add({ToggleReferenceWindow, "HTML &Reference Window", "Show or hide the HTML Reference window", nullptr,
           [&frame] { ToggleReference(frame); }, shown});
    t.Add({DockReferenceWindow, "&Dock Reference Window", "Dock or undock the HTML Reference window", shown,
           [window] { window()->ToggleDocked(); }});
    t.Add({ContextTagLookup, "&Context Tag Lookup\tF5", "HTML Context Help for the tag at the cursor",
           WhenView(frame), [&frame] { LookUpTagAtCaret(frame); }});
    t.Add({ReferenceBack, "&Back", "Go back one step", [window] { return window() && window()->CanGoBack(); },
           [window] { window()->Back(); }});
    t.Add({ReferenceForward, "&Forward", "Go forward one step",
           [window] { return window() && window()->CanGoForward(); }, [window] { window()->Forward(); }});
    t.Add({ReferenceHome, "&Home", "Go to the start page",
           [&frame] { return !frame.App().References().References().empty(); },
           [&frame] { frame.Reference(true)->Home(); }});
    t.Add({LookupNamedTag, "&Lookup", "Look up the named HTML tag in the reference", nullptr,
           [&frame] { LookUpTypedTag(frame); }});
    t.AddPending(HelpHtmlReferences, "HTML &References", "Open an HTML reference");
}

} // namespace velto
