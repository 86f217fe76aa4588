// The application's own commands: new and open, close, exit and the Window menu.
#include "ui/app/AppCommands.h"

#include "core/menu/CommandIds.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/app/CommandRules.h"
#include "ui/app/CommandTable.h"
#include "ui/app/MdiArrange.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/options/OptionsDialog.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace velto {

void RegisterAppCommands(CommandTable& t, CMainFrame& frame) {
    using namespace CommandId;
    CQuorDocManager& docs = frame.App().DocManager();
    QMdiArea* area = frame.MdiArea();
    t.Add({FileNew, "&New\tCtrl+N", "Create a new document", nullptr, [&docs] { docs.OnFileNew(); }});
    t.Add({FileOpen, "&Open...\tCtrl+O", "Open an existing document", nullptr,
           [&docs] { docs.OnFileOpen(); }});
    t.Add({FileClose, "&Close", "Close the active document", WhenView(frame), [area] {
               if (QMdiSubWindow* w = area->activeSubWindow())
                   w->close();
           }});
    // Stands in the File menu while there are no recent files.
    t.AddPending(FileMruFirst, "Recent File", "Open this document");
    t.Add({AppExit, "E&xit", "Quit the application; prompts to save documents", nullptr,
           [&frame] { frame.close(); }});

    t.Add({AppOptions, "Op&tions", "Change user configurable application features", nullptr,
           [&frame] { RunOptionsDialog(frame.App(), &frame); }});

    t.Add({WindowCascade, "&Cascade", "Arrange windows so they overlap", WhenDocuments(frame),
           [area] { area->cascadeSubWindows(); }});
    t.Add({WindowTile, "&Tile", "Arrange windows as non-overlapping tiles", WhenDocuments(frame),
           [area] { area->tileSubWindows(); }});
    t.Add({WindowArrange, "&Arrange Icons", "Arrange icons at the bottom of the window",
           WhenDocuments(frame), [area] { ArrangeMinimisedWindows(*area); }});
}

} // namespace velto
