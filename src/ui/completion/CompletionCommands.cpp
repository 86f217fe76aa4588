// The completion command of the Edit menu.
#include "ui/completion/CompletionCommands.h"

#include "core/menu/CommandIds.h"
#include "ui/app/CommandRules.h"
#include "ui/app/CommandTable.h"
#include "ui/document/CQuorView.h"

namespace velto {

void RegisterCompletionCommands(CommandTable& t, CMainFrame& frame) {
    // Ctrl+Space works whatever "Complete as You Type" says.
    t.Add({CommandId::EditComplete, "C&omplete\tCtrl+Space",
           "List the element, attribute, value or reference names that fit at the caret",
           WhenView(frame), OnView(frame, &CQuorView::OnEditComplete)});
}

} // namespace velto
