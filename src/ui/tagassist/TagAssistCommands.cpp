// The tag assistance commands of the Edit menu and the tag's items on the right-click menu.
#include "ui/tagassist/TagAssistCommands.h"

#include "core/menu/CommandIds.h"
#include "core/tagassist/HtmlElementEd.h"
#include "core/tagassist/PasteUrl.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/app/CommandTable.h"
#include "ui/document/CQuorView.h"
#include "ui/document/ScintillaTextControl.h"
#include "ui/tagassist/InsertMenuBar.h"
#include "ui/tagassist/QtTagAssistant.h"
#include "ui/tagassist/TagPopupProvider.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include <memory>

namespace velto {
namespace {

// Files copied in a file manager come as a list of URLs; only local ones can be linked to.
// Anything else on the clipboard is taken as its text.
ClipboardContents ReadClipboard() {
    ClipboardContents contents;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return contents;
    if (data->hasUrls())
        for (const QUrl& url : data->urls())
            if (url.isLocalFile())
                contents.files.push_back(url.toLocalFile().toStdString());
    if (contents.files.empty() && data->hasText())
        contents.text = data->text().toStdString();
    return contents;
}

void PasteUrlInto(CQuorApp& app, CQuorView& view) {
    HtmlElementEd tag(app.KnowledgeBase(), view.Control());
    QtTagAssistant assistant(app, &view);
    const ClipboardContents clipboard = ReadClipboard();
    view.EditAsOneChange([&] { PasteUrl(clipboard, tag, TagPopupProvider::FolderOf(view), assistant); });
}

} // namespace

void RegisterTagAssistCommands(CommandTable& t, CMainFrame& frame) {
    CQuorApp& app = frame.App();
    t.Add({CommandId::EditPasteUrl, "P&aste URL\tCtrl+U",
           "Insert a resouce identifier from the Clipboard into a URL type attribute",
           [&frame, &app] { return frame.ActiveView() && app.HasKnowledgeBase(); },
           [&frame, &app] {
               if (CQuorView* view = frame.ActiveView(); view && app.HasKnowledgeBase())
                   PasteUrlInto(app, *view);
           }});

    // The insert menus, and the tool bar's buttons for four of their commands.
    auto* insertMenus = new InsertMenuBar(frame);
    const struct {
        int id;
        const char* text; // shown as the button's tool tip
        const char* prompt;
    } buttons[] = {
        {CommandId::InsertBold, "&Bold", "Set bold text style"},
        {CommandId::InsertItalic, "&Italic", "Set italic text style"},
        {CommandId::InsertListItem, "List &Item", "Insert a list item"},
        {CommandId::InsertLink, "HTML &Link", "Insert an HTML link to a local or remote URL"},
    };
    for (const auto& b : buttons) {
        const int id = b.id;
        t.Add({id, QString::fromLatin1(b.text), QString::fromLatin1(b.prompt),
               [&frame, insertMenus, id] { return frame.ActiveView() && insertMenus->Has(id); },
               [insertMenus, id] { insertMenus->Run(id); }});
    }

    auto popup = std::make_shared<TagPopupProvider>(app);
    frame.AddContextMenuProvider({[popup](CQuorView& view, MenuModel& menu) { popup->Build(view, menu); },
                                  [popup](CQuorView& view, int id) { return popup->Execute(view, id); }});
}

} // namespace velto
