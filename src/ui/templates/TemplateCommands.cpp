// The commands of the templates, the snippets and the On The Web folder menu.
#include "ui/templates/TemplateCommands.h"

#include "core/menu/CommandIds.h"
#include "ui/app/CommandTable.h"

namespace velto {

void RegisterTemplateCommands(CommandTable& t, CMainFrame& /*frame*/) {
    using namespace CommandId;
    // Until the folder menus are built, these items stay present and disabled.
    t.AddPending(FileNewFromTemplate, "New &From Template", "Create a new document from a template");
    t.AddPending(SaveCopyAsTemplate, "Save Copy As Te&mplate...", "Save a copy of the document as a template");
    t.AddPending(EditInsertSnippet, "Inser&t Snippet", "Insert an HTML snippet at the caret");
    t.AddPending(EditSaveSelectionAsSnippet, "Save Selection As Sn&ippet...",
                 "Save the selected text as an HTML snippet");
    t.AddPending(HelpOnTheWeb, "On The &Web", "Visit web sites about HTML");
}

} // namespace velto
