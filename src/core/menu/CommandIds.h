// Command ids of the menus: the framework's standard ids and the editor's own.
#pragma once

namespace velto::CommandId {

// File
constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int FileClose = 57602;
constexpr int FileSave = 57603;
constexpr int FileSaveAs = 57604;
constexpr int FilePrintSetup = 57606;
constexpr int FilePrint = 57607;
constexpr int FilePrintPreview = 57609;
constexpr int FileMruFirst = 57616;
constexpr int AppExit = 57665;
constexpr int FileSaveAll = 32819;
constexpr int FileCloseAll = 32820;
constexpr int FileNewFromTemplate = 32816;
constexpr int SaveCopyAsTemplate = 32817;
constexpr int EditTemplate = 32823;
constexpr int RefreshPreview = 32783;

// Edit
constexpr int EditCopy = 57634;
constexpr int EditCut = 57635;
constexpr int EditFind = 57636;
constexpr int EditPaste = 57637;
constexpr int EditReplace = 57641;
constexpr int EditSelectAll = 32796;
constexpr int EditUndo = 57643;
constexpr int EditRedo = 57644;
constexpr int EditFindNext = 32786;
constexpr int EditPasteUrl = 32793;
constexpr int EditStripTags = 32808;
constexpr int EditInsertFile = 32821;
constexpr int EditInsertSnippet = 32822;
constexpr int EditSaveSelectionAsSnippet = 32828;
constexpr int EditGotoLine = 32851;
constexpr int EditGotoMatchingTag = 32960;
constexpr int EditComplete = 32970;

// The HTML reference window and the tag lookup (tool bar "<?> HTML", bar "Lookup HTML Tag")
constexpr int ToggleReferenceWindow = 32844;
constexpr int DockReferenceWindow = 32845;
constexpr int ContextTagLookup = 32846;
constexpr int LookupNamedTag = 32847;
constexpr int ReferenceBack = 32848;
constexpr int ReferenceForward = 32849;
constexpr int ReferenceHome = 32850;
constexpr int LivePreview = 32961;

// Site work: the site folder dock, Find and Replace in Files and Check Links
constexpr int SiteOpenFolder = 32970;
constexpr int SiteRecentFolders = 32971;
constexpr int SiteFindInFiles = 32972;
constexpr int SiteCheckLinks = 32973;
constexpr int ToggleSiteDock = 32974;
constexpr int SiteReplaceInFiles = 32975;
constexpr int SiteCheckRemoteLinks = 32976;

// Check Page: the Problems window and going from problem to problem
constexpr int ToggleProblems = 32980;
constexpr int NextProblem = 32981;
constexpr int PreviousProblem = 32982;

// The tool bar's insert buttons, also items of the "&Quick" menu
constexpr int InsertBold = 1200;
constexpr int InsertItalic = 1201;
constexpr int InsertListItem = 1202;
constexpr int InsertLink = 1203;

// Window and Help
constexpr int WindowArrange = 57649;
constexpr int WindowCascade = 57650;
constexpr int WindowTile = 57651;
constexpr int AppAbout = 57664;
constexpr int HelpIndex = 57667;
constexpr int HelpHtmlReferences = 32853;
constexpr int HelpOnTheWeb = 32854;
// The Help menu's web sites, each one fixed address.
constexpr int WebHtml401 = 32809;
constexpr int WebHtmlStandard = 32810;
constexpr int WebMdnReference = 32811;
constexpr int WebValidator = 32812;
constexpr int AppOptions = 32813;
constexpr int TipOfTheDay = 127;
constexpr int ReportProblem = 32806;

} // namespace velto::CommandId
