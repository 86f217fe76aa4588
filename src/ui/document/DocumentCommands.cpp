// The document and editing commands of the File and Edit menus.
#include "ui/document/DocumentCommands.h"

#include "core/menu/CommandIds.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/app/CommandRules.h"
#include "ui/app/CommandTable.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/CQuorView.h"
#include "ui/document/FindCommands.h"
#include "ui/document/ViewPrinting.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace velto {

namespace {
// Paste inserts text; a clipboard with none (empty, or only an image) has nothing for it.
bool ClipboardHasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText() && !data->text().isEmpty();
}

void RegisterFileCommands(CommandTable& t, CMainFrame& frame) {
    using namespace CommandId;
    CQuorApp& app = frame.App();
    CQuorDocManager& docs = app.DocManager();
    const auto onDocument = [&frame](bool (CQuorDoc::*command)()) {
        return [&frame, command] {
            if (CQuorDoc* doc = frame.ActiveDocument())
                (doc->*command)();
        };
    };
    t.Add({FileSave, "&Save\tCtrl+S", "Save the active document", WhenView(frame),
           onDocument(&CQuorDoc::DoFileSave)});
    t.Add({FileSaveAs, "Save &As...", "Save the active document with a new name", WhenView(frame),
           [&frame] {
               if (CQuorDoc* doc = frame.ActiveDocument())
                   doc->DoSave(QString());
           }});
    t.Add({FileSaveAll, "Save A&ll", "Save all modified documents", WhenDocuments(frame),
           [&docs] { docs.SaveAll(); }});
    t.Add({FileCloseAll, "Close A&ll", "Close all documents", WhenDocuments(frame),
           [&docs] { docs.CloseAll(); }});
    t.Add({FilePrint, "&Print...\tCtrl+P", "Print the active document", WhenView(frame),
           [&frame, &app] {
               if (CQuorView* view = frame.ActiveView())
                   PrintView(app, *view);
           }});
    t.Add({FilePrintPreview, "Print Pre&view", "Display full pages", WhenView(frame), [&frame, &app] {
               if (CQuorView* view = frame.ActiveView())
                   PrintPreviewView(app, *view);
           }});
    t.Add({FilePrintSetup, "P&rint Setup...", "Change the printer and printing options", nullptr,
           [&frame, &app] { PageSetup(app, frame.ActiveView()); }});
}

void RegisterEditCommands(CommandTable& t, CMainFrame& frame) {
    using namespace CommandId;
    t.Add({EditUndo, "&Undo\tCtrl+Z", "Undo the last action",
           [&frame] {
               const CQuorView* view = frame.ActiveView();
               return view && view->CanUndo();
           },
           OnView(frame, &CQuorView::OnEditUndo)});
    t.Add({EditRedo, "Re&do\tCtrl+Y", "Redo the previously undone action",
           [&frame] {
               const CQuorView* view = frame.ActiveView();
               return view && view->CanRedo();
           },
           OnView(frame, &CQuorView::OnEditRedo)});
    t.Add({EditCut, "Cu&t\tCtrl+X", "Cut the selection and put it on the Clipboard",
           WhenSelection(frame), OnView(frame, &CQuorView::OnEditCut)});
    t.Add({EditCopy, "&Copy\tCtrl+C", "Copy the selection and put it on the Clipboard",
           WhenSelection(frame), OnView(frame, &CQuorView::OnEditCopy)});
    t.Add({EditPaste, "&Paste\tCtrl+V", "Insert Clipboard contents",
           [&frame] { return frame.ActiveView() != nullptr && ClipboardHasText(); },
           OnView(frame, &CQuorView::OnEditPaste)});
    t.Add({EditSelectAll, "Select A&ll\tCtrl+A", "Select the entire document", WhenView(frame),
           OnView(frame, &CQuorView::OnEditSelectAll)});
    t.Add({EditGotoLine, "&Go To Line...\tAlt+G", "Move to a line given by its number", WhenView(frame),
           OnView(frame, &CQuorView::OnGotoLine)});
    t.Add({EditGotoMatchingTag, "Go To &Matching Tag\tCtrl+M",
           "Move to the tag that pairs with the tag at the caret", WhenView(frame),
           [&frame] {
               if (CQuorView* view = frame.ActiveView())
                   view->OnGotoMatchingTag();
           }});
    t.Add({EditStripTags, "&Strip Tags", "Remove all HTML tags from the selected text",
           WhenSelection(frame), OnView(frame, &CQuorView::OnEditStripTags)});
    t.Add({EditInsertFile, "&Insert File...", "Insert the contents of a file at the caret",
           WhenView(frame), OnView(frame, &CQuorView::OnInsertFileCommand)});

    auto* find = new FindCommands(frame);
    t.Add({EditFind, "&Find\tCtrl+F", "Find the specified text", WhenView(frame),
           [find] { find->ShowFind(false); }});
    t.Add({EditReplace, "&Replace\tCtrl+H", "Replace specific text with different text",
           WhenView(frame), [find] { find->ShowFind(true); }});
    t.Add({EditFindNext, "Find &Next\tF3", "Find the next occurrence of the specified text",
           WhenView(frame), [find] { find->FindNext(); }});
}
} // namespace

void RegisterDocumentCommands(CommandTable& table, CMainFrame& frame) {
    RegisterFileCommands(table, frame);
    RegisterEditCommands(table, frame);
}

} // namespace velto
