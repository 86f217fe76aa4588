// Completer: the value lists (enumerated values, files, colours) and the references.
#include "core/completion/Completer.h"

#include "core/colours/CCustomColours.h"
#include "core/colours/ColourText.h"
#include "core/colours/NamedColours.h"
#include "core/completion/CompleterRanked.h"
#include "core/completion/FileListing.h"
#include "core/completion/NameMatch.h"
#include "core/encoding/Utf8Text.h"
#include "core/config/EditorConfig.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/CharacterReferences.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/HtmlMetaAttEnumVal.h"
#include "core/htmlkb/KindFlags.h"

#include <cstdio>
#include <unordered_set>

namespace velto {

namespace {

std::string SizeText(std::uintmax_t size) {
    char text[32];
    if (size < 1024)
        std::snprintf(text, sizeof text, "%ju bytes", size);
    else if (size < 1024 * 1024)
        std::snprintf(text, sizeof text, "%.1f KB", static_cast<double>(size) / 1024);
    else
        std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(size) / (1024 * 1024));
    return text;
}

// Blanks, controls and the characters that show nothing: only their numbers are shown.
bool ShowsNothing(char32_t c) noexcept {
    return c <= 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202F) || (c >= 0x205F && c <= 0x2064) || c == 0xFEFF;
}

std::string CodePoint(char32_t c) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
    return text;
}

// Scripts and style declarations have '&' of their own.
bool HoldsCode(std::string_view attribute) noexcept {
    return ascii::EqualNoCase(attribute, "style") ||
           (attribute.size() > 2 && ascii::Lower(attribute[0]) == 'o' && ascii::Lower(attribute[1]) == 'n');
}

} // namespace

void Completer::Values(const CompletionContext& context, const CompletionSources& sources,
                       std::vector<Ranked>& out) const {
    const HtmlMetaAttBase* attribute = AttributeOf(context);
    if (!attribute)
        return;
    if (attribute->HasEnumValues())
        EnumeratedValues(context, *attribute, out);
    else if (attribute->Kind() == AttKind::ColourKind)
        Colours(context, *attribute, sources, out);
    else if (attribute->IsUrlValued())
        Files(context, *attribute, sources, out);
}

void Completer::EnumeratedValues(const CompletionContext& context, const HtmlMetaAttBase& attribute,
                                 std::vector<Ranked>& out) const {
    int index = 0;
    for (const auto& value : attribute.Values()) {
        ++index;
        // "Other..." asks for a value, and a value that is also an attribute name is none.
        if (value->IsManualEntryValue() || value->IsAlsoAttributeName())
            continue;
        bool greyed = false;
        if (!Offered(value->Versions(), greyed))
            continue;
        const std::string name = value->GetNameForInsert();
        const int group = MatchGroup(name, context.typed);
        if (group < 0)
            continue;
        Ranked r;
        r.key = {group, kb_.IsAllowed(value->Versions()) ? 0 : 1, index, 0};
        r.item.kind = CompletionKind::Value;
        r.item.text = name;
        r.item.value = name;
        r.item.description = Detail(*value);
        r.item.greyed = greyed;
        r.item.attribute = &attribute;
        out.push_back(std::move(r));
    }
}

void Completer::Colours(const CompletionContext& context, const HtmlMetaAttBase& attribute,
                        const CompletionSources& sources, std::vector<Ranked>& out) const {
    const bool names = kb_.EditorConfig().insertHtmlColourNames;
    std::unordered_set<std::string> seen;
    int index = 0;
    const auto add = [&](ColourRef colour, std::string_view name, std::string description) {
        ++index;
        std::string text = TextFromColour(colour, names);
        const int byText = MatchGroup(text, context.typed);
        const int byName = name.empty() ? -1 : MatchGroup(name, context.typed);
        const int group = byText < 0 ? byName : byName < 0 ? byText : std::min(byText, byName);
        if (group < 0 || !seen.insert(text).second)
            return;
        Ranked r;
        r.key = {group, index, 0, 0};
        r.item.kind = CompletionKind::Colour;
        r.item.value = text;
        r.item.text = std::move(text);
        r.item.description = std::move(description);
        r.item.swatch = colour;
        r.item.attribute = &attribute;
        out.push_back(std::move(r));
    };
    for (const NamedColour& named : NamedColours())
        add(named.colour, named.name, names ? TextFromColour(named.colour, false) : std::string(named.name));
    if (!sources.customColours)
        return;
    for (int i = 0; i < sources.customColours->ActiveCount(); ++i) {
        const CustomColourEntry& entry = sources.customColours->Entry(i);
        const bool named = !entry.name.empty() && entry.name != CustomColourEntry::NewName;
        add(entry.colour, named ? std::string_view(entry.name) : std::string_view(),
            named ? "Custom colour " + entry.name : std::string("Custom colour"));
    }
}

void Completer::Files(const CompletionContext& context, const HtmlMetaAttBase& attribute,
                      const CompletionSources& sources, std::vector<Ranked>& out) const {
    std::optional<FileListing> listing =
        ListFilesForUrl(context.typed, sources.documentFolder, attribute.KindFlags());
    if (!listing)
        return;
    const bool lower = kb_.EditorConfig().insertInsertPathsLowerCase;
    for (FileListing::Entry& entry : listing->entries) {
        const int group = MatchGroup(entry.name, listing->namePart);
        if (group < 0)
            continue;
        const std::string slash = entry.folder ? "/" : "";
        Ranked r;
        r.key = {group, entry.folder ? 0 : 1, 0, 0};
        r.sortName = ascii::ToUpper(entry.name) + '\n' + entry.name;
        r.item.kind = CompletionKind::File;
        r.item.value = listing->folderPart + UrlPathSegment(entry.name) + slash;
        if (lower)
            r.item.value = ascii::ToLower(r.item.value);
        r.item.text = entry.name + slash;
        r.item.description = entry.folder ? "Folder" : SizeText(entry.size);
        r.item.folder = entry.folder;
        r.item.attribute = &attribute;
        out.push_back(std::move(r));
    }
}

void Completer::References(const CompletionContext& context, std::vector<Ranked>& out) const {
    if (!context.attributeName.empty() && HoldsCode(context.attributeName))
        return;
    for (const CharacterReference& reference : CharacterReferences) {
        if (!kb_.IsAllowed(reference.versions))
            continue;
        // Names differ by case (&Auml; and &auml;): the same case as typed comes first.
        const int group = MatchGroup(reference.name, context.typed, true);
        if (group < 0)
            continue;
        Ranked r;
        r.key = {group, 0, 0, 0};
        r.sortName = ascii::ToUpper(reference.name) + '\n' + std::string(reference.name);
        r.item.kind = CompletionKind::Reference;
        r.item.text = "&" + std::string(reference.name) + ";";
        r.item.value = reference.name;
        AppendUtf8(r.item.glyph, reference.first);
        std::string numbers = CodePoint(reference.first);
        if (reference.second != 0) {
            AppendUtf8(r.item.glyph, reference.second);
            numbers += ' ' + CodePoint(reference.second);
        }
        r.item.description = ShowsNothing(reference.first) ? numbers : r.item.glyph + "  " + numbers;
        out.push_back(std::move(r));
    }
}

} // namespace velto
