// The template and snippet commands, and what happens when an entry of one of the four
// folder menus is chosen. The editor's side (documents, views, the browser) is a port.
#pragma once

#include "core/templates/CFileTreeMenu.h"
#include "core/templates/FolderMenus.h"

#include <optional>
#include <string>

namespace velto {

class CTemplates;
class FileChooser;
class Prompter;

// What the template commands ask of the editor.
class TemplateHost {
public:
    virtual ~TemplateHost() = default;
    // A new untitled document, made the active one.
    virtual void NewDocument() = 0;
    // Inserts the file at the caret of the active view as one undoable change, its menu
    // header skipped; into a new document the document then counts as unmodified. False
    // when there is no view or the file could not be read (the user has been told).
    virtual bool InsertTemplate(const std::string& path, bool newDocument) = 0;
    // Opens the file as an ordinary document.
    virtual void OpenDocument(const std::string& path) = 0;
    // The active document's path: empty for an untitled one, nothing without a document.
    [[nodiscard]] virtual std::optional<std::string> ActiveDocumentPath() const = 0;
    // Writes the active document's whole text, or its selection, to the path; false on
    // failure (the user has been told).
    virtual bool SaveActive(const std::string& path, bool selectionOnly) = 0;
    // Shows a reference page in the reference window.
    virtual void ShowReference(const std::string& page) = 0;
    // Opens a web page in the browser of the current previewer profile.
    virtual void OpenUrl(const std::string& url) = 0;
    // Hands a "mailto:" address to the desktop's mail program.
    virtual void OpenMailAddress(const std::string& url) = 0;
    // A template or snippet was saved: the templates and snippets menus are built again.
    virtual void TemplatesChanged() = 0;
};

class CTemplateCommands {
public:
    CTemplateCommands(CTemplates& templates, FileChooser& chooser, Prompter& prompter, TemplateHost& host)
        : templates_(templates), chooser_(chooser), prompter_(prompter), host_(host) {}

    void NewFromTemplate();
    void EditTemplate();
    void InsertSnippet();
    void SaveCopyAsTemplate();
    void SaveSelectionAsSnippet();

    // An entry of a folder menu was chosen: its path and kind (the overflow entry's path
    // is the folder it stands for).
    void OnEntryChosen(FolderMenuKind menu, const std::string& path, CFTItem::Kind kind);

    // A new document from a template file; a missing file is reported with missingMessage.
    void NewDocumentFromTemplate(const std::string& path,
                                 const char* missingMessage = "Unable to find template:\n\n%s");
    void InsertSnippetFile(const std::string& path);

private:
    // The file an entry stands for: its own, or for the overflow entry the one chosen in
    // its folder (nothing when cancelled).
    std::optional<std::string> EntryFile(const std::string& path, CFTItem::Kind kind,
                                         std::string_view filter, std::string title);
    void SaveAsTemplate(const std::string& path, bool selectionOnly);

    CTemplates& templates_;
    FileChooser& chooser_;
    Prompter& prompter_;
    TemplateHost& host_;
};

} // namespace velto
