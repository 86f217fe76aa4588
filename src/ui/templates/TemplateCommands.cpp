// The commands of the templates and snippets, and the items the folder menus hang under.
#include "ui/templates/TemplateCommands.h"

#include "core/menu/CommandIds.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/app/CommandRules.h"
#include "ui/app/CommandTable.h"
#include "ui/templates/FolderMenuHost.h"

namespace velto {

void RegisterTemplateCommands(CommandTable& t, CMainFrame& frame) {
    using namespace CommandId;
    CQuorApp& app = frame.App();
    const auto run = [&app](void (CTemplateCommands::*command)()) {
        return [&app, command] { (app.FolderMenus().Commands().*command)(); };
    };
    // "New From Template" and "Insert Snippet" carry their folder menus in the menu bar;
    // their commands also end those menus as the browsing entries.
    t.Add({FileNewFromTemplate, "New &From Template", "Create a new document from a template", nullptr,
           run(&CTemplateCommands::NewFromTemplate)});
    t.Add({EditTemplate, "&Edit Template...", "Open a template to change it", nullptr,
           run(&CTemplateCommands::EditTemplate)});
    t.Add({SaveCopyAsTemplate, "Save Copy As Te&mplate...", "Save a copy of the document as a template",
           WhenView(frame), run(&CTemplateCommands::SaveCopyAsTemplate)});
    t.Add({EditInsertSnippet, "Inser&t Snippet", "Insert an HTML snippet at the caret", WhenView(frame),
           run(&CTemplateCommands::InsertSnippet)});
    t.Add({EditSaveSelectionAsSnippet, "Save Selection As Sn&ippet...", "Save the selected text as an HTML snippet",
           WhenSelection(frame), run(&CTemplateCommands::SaveSelectionAsSnippet)});
    // Its entries are the sites' own commands; the item itself only opens them.
    t.AddPending(HelpOnTheWeb, "On The &Web", "Visit web sites about HTML");
}

} // namespace velto
