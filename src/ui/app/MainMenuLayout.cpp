// Where the commands stand in the main window.
#include "ui/app/MainMenuLayout.h"

#include "core/menu/CommandIds.h"

#include <initializer_list>

namespace velto {

namespace {
// 0 stands for a separator.
void Fill(MenuModel& menu, std::initializer_list<int> ids) {
    for (int id : ids) {
        if (id == 0)
            menu.AddSeparator();
        else
            menu.AddCommand(id);
    }
}
} // namespace

MenuModel MainMenuLayout() {
    using namespace CommandId;
    MenuModel bar;
    // The recent files are listed in place of FileMruFirst.
    Fill(bar.AddSubmenu("&File"),
         {FileNew, FileNewFromTemplate, FileOpen, FileClose, SiteOpenFolder, SiteRecentFolders, 0, FileSave, FileSaveAs, FileSaveAll,
          FileCloseAll, SaveCopyAsTemplate, EditTemplate, 0, FilePrint, FilePrintPreview, FilePrintSetup,
          RefreshPreview, 0, FileMruFirst, 0, AppExit});
    Fill(bar.AddSubmenu("&Edit"),
         {EditUndo, EditRedo, 0, EditCut, EditCopy, EditPaste, EditPasteUrl, EditSelectAll, 0,
          EditFind, EditReplace, EditFindNext, SiteFindInFiles, SiteReplaceInFiles, EditGotoLine, EditGotoMatchingTag, EditComplete, 0, EditStripTags, EditInsertFile,
          EditInsertSnippet, EditSaveSelectionAsSnippet});
    // The HTML insert menus stand between "&Edit" and "&Tools".
    Fill(bar.AddSubmenu("&Tools"), {NextProblem, PreviousProblem, 0, SiteCheckLinks, SiteCheckRemoteLinks, 0, AppOptions});
    // The open documents follow the window commands.
    Fill(bar.AddSubmenu("&Window"), {WindowCascade, WindowTile, WindowArrange, 0, ToggleReferenceWindow,
                                     DockReferenceWindow, LivePreview, ToggleProblems, ToggleSiteDock});
    Fill(bar.AddSubmenu("&Help"), {HelpIndex, ContextTagLookup, HelpHtmlReferences, HelpOnTheWeb, 0, WebHtml401, WebHtmlStandard, WebMdnReference,
                                    WebValidator, 0, TipOfTheDay, ReportProblem, AppAbout});
    return bar;
}

MenuModel MainToolBarLayout() {
    using namespace CommandId;
    MenuModel bar;
    Fill(bar, {FileNew, FileOpen, FileSave, 0, EditCut, EditCopy, EditPaste, 0, FilePrint, 0,
               InsertBold, InsertItalic, InsertListItem, InsertLink, 0, RefreshPreview, LivePreview, 0, AppAbout});
    return bar;
}

MenuModel ReferenceToolBarLayout() {
    using namespace CommandId;
    MenuModel bar;
    Fill(bar, {ToggleReferenceWindow, ContextTagLookup, 0, ReferenceBack, ReferenceForward, ReferenceHome});
    return bar;
}

MenuModel ContextMenuLayout() {
    using namespace CommandId;
    MenuModel menu;
    Fill(menu, {EditCut, EditCopy, EditPaste, EditPasteUrl, EditStripTags});
    return menu;
}

} // namespace velto
