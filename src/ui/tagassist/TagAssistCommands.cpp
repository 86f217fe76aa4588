// The tag assistance commands of the Edit menu.
#include "ui/tagassist/TagAssistCommands.h"

#include "core/menu/CommandIds.h"
#include "ui/app/CommandTable.h"

namespace velto {

void RegisterTagAssistCommands(CommandTable& t, CMainFrame& /*frame*/) {
    t.AddPending(CommandId::EditPasteUrl, "P&aste URL\tCtrl+U", "Paste the Clipboard contents as a URL");
}

} // namespace velto
