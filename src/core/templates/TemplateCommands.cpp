// The template and snippet commands.
#include "core/templates/TemplateCommands.h"

#include "core/platform/FileChooser.h"
#include "core/platform/Prompter.h"
#include "core/templates/CTemplates.h"

#include <algorithm>
#include <filesystem>

namespace velto {

namespace {
bool IsFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::string WithPath(std::string_view format, const std::string& path) {
    std::string text(format);
    const std::size_t at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, path);
    return text;
}
} // namespace

void CTemplateCommands::NewDocumentFromTemplate(const std::string& path, const char* missingMessage) {
    host_.NewDocument();
    if (IsFile(path))
        host_.InsertTemplate(path, true);
    else
        prompter_.Message(WithPath(missingMessage, path), Prompter::Kind::Warning);
}

void CTemplateCommands::InsertSnippetFile(const std::string& path) {
    if (!host_.ActiveDocumentPath())
        return;
    if (IsFile(path))
        host_.InsertTemplate(path, false);
    else
        prompter_.Message(WithPath("Unable to find HTML snippet:\n\n%s", path), Prompter::Kind::Warning);
}

void CTemplateCommands::NewFromTemplate() {
    const std::string proposed = std::filesystem::path(templates_.DefaultTemplatePath()).filename().string();
    if (auto path = templates_.ChooseFile(chooser_, CTemplates::ChooseForNew, TemplatesFilter,
                                          TemplateExtension, proposed, {}, templates_.CurrentFolder()))
        NewDocumentFromTemplate(*path);
}

void CTemplateCommands::EditTemplate() {
    if (auto path = templates_.ChooseFile(chooser_, CTemplates::ChooseForNew, TemplatesFilter,
                                          TemplateExtension, {}, "Edit HTML Template",
                                          templates_.TemplatesFolder()))
        host_.OpenDocument(*path);
}

void CTemplateCommands::InsertSnippet() {
    if (!host_.ActiveDocumentPath())
        return;
    if (auto path = templates_.ChooseFile(chooser_, CTemplates::ChooseTemplate, TemplatesFilter,
                                          TemplateExtension, {}, "Insert HTML Snippet",
                                          templates_.SnippetsFolder()))
        InsertSnippetFile(*path);
}

void CTemplateCommands::SaveCopyAsTemplate() {
    const std::optional<std::string> document = host_.ActiveDocumentPath();
    if (!document)
        return;
    const std::string proposed = std::filesystem::path(*document).stem().string();
    if (auto path = templates_.ChooseFile(chooser_, CTemplates::SaveAsTemplate, TemplatesFilter,
                                          TemplateExtension, proposed, {}, templates_.TemplatesFolder()))
        SaveAsTemplate(*path, false);
}

void CTemplateCommands::SaveSelectionAsSnippet() {
    if (!host_.ActiveDocumentPath())
        return;
    if (auto path = templates_.ChooseFile(chooser_, CTemplates::SaveAsTemplate, SnippetsFilter,
                                          TemplateExtension, "Untitled", "Save As Snippet",
                                          templates_.SnippetsFolder()))
        SaveAsTemplate(*path, true);
}

void CTemplateCommands::SaveAsTemplate(const std::string& path, bool selectionOnly) {
    if (host_.SaveActive(path, selectionOnly))
        host_.TemplatesChanged();
}

std::optional<std::string> CTemplateCommands::EntryFile(const std::string& path, CFTItem::Kind kind,
                                                      std::string_view filter, std::string title) {
    if (kind != CFTItem::Overflow)
        return path;
    // The overflow entry browses in the folder it stands for.
    return templates_.ChooseFile(chooser_, CTemplates::ChooseForNew, filter, TemplateExtension, {},
                                 std::move(title), path);
}

void CTemplateCommands::OnEntryChosen(FolderMenuKind menu, const std::string& path, CFTItem::Kind kind) {
    switch (menu) {
    case FolderMenuKind::Templates:
        if (auto chosen = EntryFile(path, kind, TemplatesFilter, {}))
            NewDocumentFromTemplate(*chosen);
        return;
    case FolderMenuKind::Snippets:
        if (auto chosen = EntryFile(path, kind, SnippetsFilter, "Insert HTML Snippet"))
            InsertSnippetFile(*chosen);
        return;
    case FolderMenuKind::References: {
        std::optional<std::string> page = ReadMenuFileKey(path, "HTML");
        if (!page)
            return;
        // Pages written on other systems may name their sub-folders with backslashes.
        std::replace(page->begin(), page->end(), '\\', '/');
        const std::string full = page->front() == '/' ? *page : JoinFolder(std::filesystem::path(path).parent_path().string(), *page);
        if (IsFile(full))
            host_.ShowReference(full);
        return;
    }
    case FolderMenuKind::OnTheWeb: {
        const std::optional<std::string> url = ReadMenuFileKey(path, "URL");
        if (!url)
            return;
        switch (ClassifyWebEntryAddress(*url)) {
        case WebEntryAddress::WebPage: host_.OpenUrl(*url); break;
        case WebEntryAddress::MailAddress: host_.OpenMailAddress(*url); break;
        case WebEntryAddress::Refused:
            prompter_.Message(RefusedWebEntryMessage(path, *url), Prompter::Kind::Warning);
            break;
        }
        return;
    }
    }
}

} // namespace velto
