// The preview commands.
#include "ui/preview/PreviewCommands.h"

#include "core/menu/CommandIds.h"
#include "ui/app/CommandTable.h"

namespace velto {

void RegisterPreviewCommands(CommandTable& t, CMainFrame& /*frame*/) {
    t.AddPending(CommandId::RefreshPreview, "Refresh Pre&view\tCtrl+R",
                 "Refresh the HTML preview in your web browser");
}

} // namespace velto
