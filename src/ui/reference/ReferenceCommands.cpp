// The HTML reference commands: the reference window, context help and the lookup bar.
#include "ui/reference/ReferenceCommands.h"

#include "core/menu/CommandIds.h"
#include "ui/app/CommandTable.h"

namespace velto {

void RegisterReferenceCommands(CommandTable& t, CMainFrame& /*frame*/) {
    using namespace CommandId;
    // They come alive with the HTML reference window.
    t.AddPending(ToggleReferenceWindow, "HTML &Reference Window", "Show or hide the HTML Reference window");
    t.AddPending(ContextTagLookup, "&Context Tag Lookup\tF5", "HTML Context Help for the tag at the cursor");
    t.AddPending(ReferenceBack, "&Back", "Go back one step");
    t.AddPending(ReferenceForward, "&Forward", "Go forward one step");
    t.AddPending(ReferenceHome, "&Home", "Go to the start page");
    t.AddPending(LookupNamedTag, "&Lookup", "Look up the named HTML tag in the reference");
    t.AddPending(HelpHtmlReferences, "HTML &References", "Open an HTML reference");
}

} // namespace velto
