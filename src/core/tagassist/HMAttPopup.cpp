// HMAttPopup: the right-click menu of the tag under the caret.
#include "core/tagassist/HMAttPopup.h"

#include "core/assist/ImageSize.h"
#include "core/assist/LinkedFile.h"
#include "core/colours/ColourMenu.h"
#include "core/colours/ColourText.h"
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/HtmlMetaAtt.h"
#include "core/htmlkb/HtmlMetaAttEnumVal.h"
#include "core/htmlkb/HtmlMetaElement.h"
#include "core/htmlkb/HtmlTagEventHolder.h"
#include "core/htmlkb/KindFlags.h"
#include "core/tagassist/HtmlElementEd.h"
#include "core/tagassist/TagAssistant.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace velto {

namespace {
// A text shown as it is, its "&" doubled so that it is no mnemonic.
std::string Literal(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '&')
            out += '&';
        out += c;
    }
    return out;
}

// printf's "%s" filled once.
std::string Format(std::string_view pattern, std::string_view value) {
    const std::size_t at = pattern.find("%s");
    if (at == std::string_view::npos)
        return std::string(pattern);
    return std::string(pattern.substr(0, at)) + std::string(value) + std::string(pattern.substr(at + 2));
}

bool IsFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::string PromptOf(const HtmlMeta& record, const char* pattern) {
    if (!record.Description().empty())
        return record.Description();
    return Format(pattern, record.GetName(NameMode::Descriptive));
}
} // namespace

struct HMAttPopup::Request {
    Action action = Action::Build;
    int commandId = 0;
    std::string* prompt = nullptr;
    TagAssistant* assistant = nullptr;
    unsigned flags = 0;
    // The one attribute whose items a build wants (the properties dialog's edit button).
    const HtmlMetaAttBase* only = nullptr;
    MenuModel* onlyMenu = nullptr;
    int nextId = FirstId;
    bool done = false;
    bool changed = false;
    bool isProperties = false;
};

struct HMAttPopup::ItemSpec {
    MenuItem::Kind kind = MenuItem::Kind::Command;
    std::string text;
    std::string prompt;
    bool enabled = true;
    bool checked = false;
    std::optional<ColourRef> swatch;
    bool takesId = true;
    bool properties = false;
    // Runs the command; true when the tag text changed.
    std::function<bool()> execute;
};

HMAttPopup::HMAttPopup(HtmlKnowledgeBase& kb, HtmlElementEd& tag, TagPopupContext context)
    : kb_(kb), tag_(tag), context_(std::move(context)) {}

void HMAttPopup::BuildMenu(MenuModel& menu) {
    Request r;
    Scope scope{&menu, true, true};
    r.action = Action::Build;
    Walk(r, scope);
}

std::string HMAttPopup::GetPrompt(int id) {
    std::string prompt;
    Request r;
    r.action = Action::Prompt;
    r.commandId = id;
    r.prompt = &prompt;
    Walk(r, Scope{nullptr, true, true});
    return prompt;
}

bool HMAttPopup::Execute(int id, TagAssistant& assistant, unsigned flags) {
    Request r;
    r.action = Action::Execute;
    r.commandId = id;
    r.assistant = &assistant;
    r.flags = flags;
    Walk(r, Scope{nullptr, true, true});
    if (!r.changed)
        return false;
    if (!(flags & NoWriteBack))
        tag_.WriteBack();
    return true;
}

bool HMAttPopup::IsPropertiesCommand(int id) {
    Request r;
    r.action = Action::Prompt;
    r.commandId = id;
    std::string ignored;
    r.prompt = &ignored;
    Walk(r, Scope{nullptr, true, true});
    return r.isProperties;
}

void HMAttPopup::BuildAttributeMenu(const HtmlMetaAttBase& attribute, MenuModel& menu) {
    Request r;
    r.action = Action::Build;
    r.flags = ValuesInPlace;
    r.only = &attribute;
    r.onlyMenu = &menu;
    // Everything else is walked unseen, so the ids are those of the whole menu.
    Walk(r, Scope{nullptr, true, true});
}

MenuModel* HMAttPopup::Visit(Request& r, Scope scope, ItemSpec item) {
    const int id = item.takesId ? r.nextId++ : 0;
    if (r.done)
        return nullptr;
    switch (r.action) {
    case Action::Build: {
        if (!scope.menu || !scope.visible)
            return nullptr;
        MenuItem added;
        added.kind = item.kind;
        added.id = id;
        added.text = std::move(item.text);
        added.prompt = std::move(item.prompt);
        added.enabled = scope.enabled && item.enabled;
        added.checked = item.checked;
        added.swatch = item.swatch;
        MenuItem& placed = scope.menu->Add(std::move(added));
        return &placed.submenu;
    }
    case Action::Prompt:
        if (item.takesId && id == r.commandId && scope.visible) {
            *r.prompt = std::move(item.prompt);
            r.isProperties = item.properties;
            r.done = true;
        }
        return nullptr;
    case Action::Execute:
        if (item.takesId && id == r.commandId) {
            r.done = true;
            if (scope.visible && scope.enabled && item.enabled && item.execute)
                r.changed = item.execute();
        }
        return nullptr;
    }
    return nullptr;
}

void HMAttPopup::Separator(Request& r, Scope scope) {
    if (r.action == Action::Build && scope.menu && scope.visible && !r.done)
        scope.menu->AddSeparator();
}

void HMAttPopup::Walk(Request& r, Scope top) {
    // Attributes belong in start tags; an unknown element has nothing to offer.
    if (!tag_.HasTag() || tag_.IsEndTag() || !tag_.Element())
        return;
    // A build for one attribute shows nothing of the rest.
    if (r.only)
        top.visible = false;
    WalkUrlItems(r, top);
    WalkElement(r, *tag_.Element(), top);
}

void HMAttPopup::WalkUrlItems(Request& r, Scope scope) {
    const HtmlMetaAttBase* url = FirstUrlAttribute();
    std::optional<std::string> path;
    std::string shown;
    if (url) {
        const std::string value = CurrentValue(*url);
        path = LinkedLocalFile(value, context_.documentFolder);
        // The file's own name, as the URL reaches it: decoded, without folders or scheme.
        if (path)
            shown = Literal(path->substr(path->find_last_of('/') + 1));
    }
    const bool exists = path && IsFile(*path);
    const bool own = path && IsEditorFileType(*path);

    // The linked file: opened in the editor, created first when missing, or handed to the
    // desktop's application for its type.
    ItemSpec open;
    Scope openScope = scope;
    openScope.visible = scope.visible && (exists || own);
    if (openScope.visible) {
        open.text = (exists ? "&Open " : "&Create ") + shown;
        open.prompt = std::string(exists ? "&Open URL for editing" : "&Create new file for URL") +
                      (own ? "" : " using external application");
        const std::string file = *path;
        open.execute = [this, &r, file, exists, own] {
            TagAssistant& assistant = *r.assistant;
            if (own) {
                if (!exists && !std::ofstream(file, std::ios::binary | std::ios::app)) {
                    assistant.Message("Unable to create file " + file);
                    return false;
                }
                if (!assistant.OpenDocument(file))
                    assistant.Message("Unable to open file " + file);
                return false;
            }
            switch (assistant.OpenWithDesktop(file)) {
            case TagAssistant::DesktopOpen::Opened:
                break;
            case TagAssistant::DesktopOpen::NoApplication:
                assistant.Message("No application is associated with the file type for " + file);
                break;
            case TagAssistant::DesktopOpen::Failed:
                assistant.Message("Failed to start external application to open " + file +
                                  "\n\nTry closing other applications before retrying.");
                break;
            }
            return false;
        };
    }
    Visit(r, openScope, std::move(open));

    // The image's own size for the tag's HEIGHT and WIDTH.
    ItemSpec size;
    Scope sizeScope = scope;
    sizeScope.visible = scope.visible && exists && url->IsImageValued();
    if (sizeScope.visible) {
        size.text = "Set Si&ze From " + shown;
        const ImageSizeResult image = ImageSize(*path);
        size.prompt = image.ok ? "Set tag size attributes from file " + *path + " (WIDTH=" +
                                     std::to_string(image.width) + " HEIGHT=" +
                                     std::to_string(image.height) + ")"
                               : "Set tag size attributes from file " + *path + " (but size not available)";
        const std::string file = *path;
        size.execute = [this, &r, file] { return SetImageSizeFrom(r, file, true); };
    }
    Visit(r, sizeScope, std::move(size));
}

void HMAttPopup::WalkElement(Request& r, const HtmlMetaElement& element, Scope scope) {
    const bool usable = element.HasUsableAttributes();
    const HtmlTagEventHolder* holder = element.EventHolder();
    if (usable)
        Separator(r, scope);
    bool added = false;
    for (const auto& own : element.OwnAttributes())
        if (!own->IsEventHolder())
            added = WalkAttribute(r, *own, scope) || added;
    if (!usable && !holder)
        return;
    if (added)
        Separator(r, scope);
    ItemSpec common;
    common.kind = MenuItem::Kind::Submenu;
    common.text = "Common Attrib&utes";
    common.takesId = false;
    common.prompt = "Attributes most elements share";
    Scope shared = scope;
    shared.menu = Visit(r, scope, std::move(common));
    element.ForEachAttribute(AttributeIteration::SharedOnly, [&](const HtmlMetaAttBase& a) {
        WalkAttribute(r, a, shared);
        return true;
    });
    WalkEvents(r, element, scope);
    ItemSpec properties;
    properties.text = "&Properties...";
    properties.prompt = "Edit element attribute properties";
    properties.enabled = context_.propertiesDialog;
    properties.properties = true;
    // The caller opens the dialog for the tag (IsPropertiesCommand).
    properties.execute = [] { return false; };
    Visit(r, scope, std::move(properties));
}

bool HMAttPopup::WalkAttribute(Request& r, const HtmlMetaAttBase& attribute, Scope scope) {
    bool enabled = true;
    const bool shown = Shown(attribute, &enabled);
    scope.visible = scope.visible && shown;
    scope.enabled = scope.enabled && enabled;
    if (attribute.IsColourOnMenu()) {
        WalkColours(r, attribute, scope);
    } else if (attribute.HasEnumValues()) {
        WalkValues(r, attribute, scope);
    } else {
        ItemSpec item;
        item.text = attribute.GetPopupText();
        item.prompt = PromptOf(attribute, EditPrompt);
        // A flag shows whether the tag has it: choosing it toggles it.
        item.checked = attribute.IsFlagAttribute() && Has(attribute.Name());
        item.execute = [this, &r, &attribute] {
            if (attribute.IsFlagAttribute()) {
                tag_.ToggleFlag(attribute);
                return true;
            }
            if (attribute.Kind() == AttKind::ColourKind)
                return ChooseAndSetColour(r, attribute);
            return AskAndSet(r, attribute);
        };
        if (r.only == &attribute) {
            scope.visible = true;
            scope.menu = r.onlyMenu;
        }
        Visit(r, scope, std::move(item));
    }
    return scope.visible;
}

HMAttPopup::Scope HMAttPopup::ItemsScope(Request& r, const HtmlMetaAttBase& attribute, Scope scope,
                                         ItemSpec submenu) {
    if (r.only == &attribute && (r.flags & ValuesInPlace)) {
        ++r.nextId; // the id the submenu would have had
        return Scope{r.onlyMenu, true, scope.enabled};
    }
    Scope items = scope;
    items.menu = Visit(r, scope, std::move(submenu));
    return items;
}

void HMAttPopup::WalkColours(Request& r, const HtmlMetaAttBase& attribute, Scope scope) {
    ItemSpec submenu;
    submenu.kind = MenuItem::Kind::Submenu;
    submenu.text = attribute.GetPopupText();
    submenu.prompt = PromptOf(attribute, ChoosePrompt);
    const Scope items = ItemsScope(r, attribute, scope, std::move(submenu));

    const CHtmlConfig& html = kb_.HtmlConfig();
    const ColourMenuEntries entries =
        MakeColourMenuEntries(context_.customColours, html.userColoursOnMenu, html.vgaColoursOnMenu);
    const ColourRef current = ColourFromText(CurrentValue(attribute), true);
    const bool names = kb_.EditorConfig().insertHtmlColourNames;
    const auto colourItem = [&](const ColourMenuEntry& entry) {
        ItemSpec item;
        item.text = Literal(entry.name);
        item.prompt = "Select colour \"" + entry.name + "\"";
        item.swatch = entry.colour;
        item.checked = current != NoColour && current == entry.colour;
        const ColourRef colour = entry.colour;
        item.execute = [this, &attribute, colour, names] {
            tag_.SetAttribute(attribute, TextFromColour(colour, names), true);
            return true;
        };
        Visit(r, items, std::move(item));
    };
    for (const ColourMenuEntry& entry : entries.custom)
        colourItem(entry);
    if (!entries.custom.empty() && !entries.named.empty())
        Separator(r, items);
    for (const ColourMenuEntry& entry : entries.named)
        colourItem(entry);
    Separator(r, items);
    ItemSpec palette;
    palette.text = "&Palette...";
    palette.prompt = "Choose colours from the standard and custom colour palettes";
    palette.execute = [this, &r, &attribute] { return ChooseAndSetColour(r, attribute); };
    Visit(r, items, std::move(palette));
    WalkRemove(r, attribute, items);
}

void HMAttPopup::WalkValues(Request& r, const HtmlMetaAttBase& attribute, Scope scope) {
    ItemSpec submenu;
    submenu.kind = MenuItem::Kind::Submenu;
    submenu.text = attribute.GetPopupText();
    submenu.prompt = PromptOf(attribute, ChoosePrompt);
    const Scope items = ItemsScope(r, attribute, scope, std::move(submenu));

    std::string current;
    const bool present = tag_.GetAttributeValue(attribute.Name(), current);
    for (const auto& value : attribute.Values()) {
        // The values follow the version selection as the attributes do; one that is also
        // an attribute's name is never offered.
        bool enabled = true;
        Scope valueScope = items;
        valueScope.visible = items.visible && !value->IsAlsoAttributeName() && Shown(*value, &enabled);
        valueScope.enabled = items.enabled && enabled;
        ItemSpec item;
        const bool manual = value->IsManualEntryValue();
        item.text = value->GetPopupText();
        item.prompt = PromptOf(*value, manual ? ManualPrompt : ValuePrompt);
        item.checked = present && !manual && ascii::EqualNoCase(value->Name(), current);
        const HtmlMetaAttEnumVal* chosen = value.get();
        item.execute = [this, &r, &attribute, chosen, manual] {
            if (manual)
                return AskAndSet(r, attribute);
            tag_.SetAttribute(attribute, chosen->GetNameForInsert(), true);
            return true;
        };
        Visit(r, valueScope, std::move(item));
    }
    Separator(r, items);
    WalkRemove(r, attribute, items);
}

void HMAttPopup::WalkRemove(Request& r, const HtmlMetaAttBase& attribute, Scope scope) {
    ItemSpec remove;
    remove.text = "&Remove";
    // The attribute's description says what it is for, not what removing it does.
    remove.prompt = Format(RemovePrompt, attribute.GetName(NameMode::Descriptive));
    remove.execute = [this, &attribute] {
        if (!Has(attribute.Name()))
            return false;
        tag_.SetAttribute(attribute, {}, false);
        return true;
    };
    Visit(r, scope, std::move(remove));
}

void HMAttPopup::WalkEvents(Request& r, const HtmlMetaElement& element, Scope scope) {
    const HtmlTagEventHolder* holder = element.EventHolder();
    if (!holder)
        return;
    const std::vector<const HtmlTagEvent*> events = holder->EnumerateEvents();
    if (events.empty())
        return;
    ItemSpec submenu;
    submenu.kind = MenuItem::Kind::Submenu;
    submenu.text = holder->GetPopupText();
    submenu.prompt = holder->Description();
    const Scope items = ItemsScope(r, *holder, scope, std::move(submenu));
    for (const HtmlTagEvent* event : events) {
        ItemSpec item;
        item.text = Literal(event->name);
        item.prompt = event->description;
        std::string value;
        item.checked = tag_.GetAttributeValue(event->name, value) && !value.empty();
        item.execute = [this, &r, event] {
            // The handler is typed through an attribute made for this command alone.
            const std::unique_ptr<HtmlMetaAtt> handler = kb_.MakeEventAttribute(*event);
            return AskAndSet(r, *handler);
        };
        Visit(r, items, std::move(item));
    }
}

// ---- The assistance the commands share ----

bool HMAttPopup::AskAndSet(Request& r, const HtmlMetaAttBase& attribute) {
    TagAssistant::ValueRequest request;
    request.attribute = &attribute;
    request.present = tag_.GetAttributeValue(attribute.Name(), request.value);
    request.documentFolder = context_.documentFolder;
    const std::optional<TagAssistant::ValueAnswer> answer = r.assistant->AskValue(request);
    if (!answer)
        return false;
    if (answer->remove) {
        if (!request.present)
            return false;
        tag_.SetAttribute(attribute, {}, false);
        return true;
    }
    tag_.SetAttribute(attribute, answer->value, true);
    if (attribute.IsImageValued() && (answer->setImageSize || kb_.EditorConfig().autoSetImageSize)) {
        const std::optional<std::string> path = LinkedLocalFile(answer->value, context_.documentFolder);
        if (path && IsFile(*path))
            SetImageSizeFrom(r, *path, true);
    }
    return true;
}

bool HMAttPopup::ChooseAndSetColour(Request& r, const HtmlMetaAttBase& attribute) {
    const ColourRef current = ColourFromText(CurrentValue(attribute), true);
    const std::optional<ColourRef> chosen = r.assistant->ChooseColour(current);
    if (!chosen || *chosen == NoColour)
        return false;
    tag_.SetAttribute(attribute, TextFromColour(*chosen, kb_.EditorConfig().insertHtmlColourNames), true);
    return true;
}

bool HMAttPopup::SetImageSizeFrom(Request& r, const std::string& path, bool reportFailure) {
    const ImageSizeResult image = ImageSize(path);
    if (!image.ok) {
        if (reportFailure && r.assistant)
            r.assistant->Message("Unable to obtain size information for image: " + path +
                                 "\n\nSize information not set.");
        return false;
    }
    const HtmlMetaElement* element = tag_.Element();
    bool set = false;
    for (const auto& [name, pixels] : {std::pair{"height", image.height}, std::pair{"width", image.width}})
        if (const HtmlMetaAttBase* a = element->FindAttribute(name)) {
            tag_.SetAttribute(*a, std::to_string(pixels), true);
            set = true;
        }
    return set;
}

const HtmlMetaAttBase* HMAttPopup::FirstUrlAttribute() const {
    const HtmlMetaAttBase* found = nullptr;
    tag_.Element()->ForEachAttribute(AttributeIteration::All, [&found](const HtmlMetaAttBase& a) {
        if (a.IsUrlValued() && !a.IsEventHolder())
            found = &a;
        return found == nullptr;
    });
    return found;
}

std::string HMAttPopup::CurrentValue(const HtmlMetaAttBase& attribute) const {
    std::string value;
    tag_.GetAttributeValue(attribute.Name(), value);
    return value;
}

bool HMAttPopup::Has(const std::string& name) const {
    return HtmlElementEd::FindAttributeText(name, tag_.TagText());
}

bool HMAttPopup::Shown(const HtmlMeta& record, bool* enabled) const {
    *enabled = true;
    if (kb_.IsAllowed(record.Versions()))
        return true;
    // Attributes outside the version selection: listed when the user asks for them,
    // greyed when asked too.
    const CHtmlConfig& html = kb_.HtmlConfig();
    *enabled = !html.advancedAttsGreyed;
    return html.advancedAttsOnPopup;
}

} // namespace velto
