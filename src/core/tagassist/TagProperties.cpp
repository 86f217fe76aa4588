// The tag properties dialog's model.
#include "core/tagassist/TagProperties.h"

#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/HtmlMetaAttBase.h"
#include "core/htmlkb/HtmlMetaElement.h"
#include "core/htmlkb/HtmlTagEventHolder.h"
#include "core/tagassist/HtmlElementEd.h"

namespace velto {

TagProperties::TagProperties(HtmlKnowledgeBase& kb, HtmlElementEd& tag, TagPopupContext context)
    : kb_(kb), tag_(tag), popup_(kb, tag, std::move(context)), original_(tag.TagText()) {}

std::string TagProperties::Title() const {
    const HtmlMetaElement& element = *tag_.Element();
    if (kb_.HtmlConfig().userNameType == 0)
        return element.GetPopupName() + " - " + element.GetName(NameMode::Descriptive) + " Attributes";
    return element.GetPopupName() + " Attributes <" + element.GetNameForInsert() + ">";
}

std::vector<TagProperties::Row> TagProperties::Rows(bool showHtmlCodes) const {
    std::vector<Row> rows;
    if (!tag_.Element())
        return rows;
    const CHtmlConfig& html = kb_.HtmlConfig();
    tag_.Element()->ForEachAttribute(AttributeIteration::All, [&](const HtmlMetaAttBase& a) {
        // Listed as the tag menu lists them: outside the version selection only when asked
        // for, and then greyed when asked for.
        const bool allowed = kb_.IsAllowed(a.Versions());
        if (!allowed && !html.advancedAttsOnPopup)
            return true;
        if (a.IsEventHolder()) {
            if (const std::optional<Row> events = EventRow(static_cast<const HtmlTagEventHolder&>(a)))
                rows.push_back(*events);
            return true;
        }
        Row row;
        row.attribute = &a;
        row.name = showHtmlCodes ? a.GetNameForInsert() : a.GetPopupName();
        if (showHtmlCodes)
            row.second = a.GetPopupName();
        row.value = ValueText(a);
        row.enabled = allowed || !html.advancedAttsGreyed;
        rows.push_back(std::move(row));
        return true;
    });
    return rows;
}

std::optional<TagProperties::Row> TagProperties::EventRow(const HtmlTagEventHolder& holder) const {
    const std::vector<const HtmlTagEvent*> events = holder.EnumerateEvents();
    if (events.empty())
        return std::nullopt;
    Row row;
    row.attribute = &holder;
    row.name = holder.GetPopupName();
    // The handlers the tag has, by name.
    for (const HtmlTagEvent* event : events) {
        std::string script;
        if (tag_.GetAttributeValue(event->name, script) && !script.empty())
            row.value += (row.value.empty() ? "" : ", ") + event->name;
    }
    return row;
}

std::string TagProperties::ValueText(const HtmlMetaAttBase& attribute) const {
    std::string namePart, value, after;
    if (!HtmlElementEd::FindAttributeText(attribute.Name(), tag_.TagText(), nullptr, &namePart, &value, &after))
        return {};
    // A bare name: a flag, or a value left out where the value is optional.
    if (attribute.IsFlagAttribute() || namePart.find('=') == std::string::npos)
        return PresentNoValue;
    if (attribute.HasEnumValues())
        return value;
    return '"' + value + '"';
}

std::string TagProperties::Purpose(const HtmlMetaAttBase& attribute) {
    return attribute.Description().empty() ? std::string() : "Purpose: " + attribute.Description();
}

bool TagProperties::EditsBySubmenu(const HtmlMetaAttBase& attribute) {
    return attribute.HasEnumValues() || attribute.IsColourOnMenu();
}

MenuModel TagProperties::Submenu(const HtmlMetaAttBase& attribute) {
    MenuModel menu;
    popup_.BuildAttributeMenu(attribute, menu);
    return menu;
}

bool TagProperties::RunSubmenuCommand(int id, TagAssistant& assistant) {
    return popup_.Execute(id, assistant, HMAttPopup::NoWriteBack);
}

bool TagProperties::Edit(const HtmlMetaAttBase& attribute, TagAssistant& assistant) {
    // The attribute's own item of the tag menu, with the id a whole walk gives it.
    const MenuModel item = Submenu(attribute);
    if (item.Items().size() != 1 || item.Items().front().kind != MenuItem::Kind::Command ||
        !item.Items().front().enabled)
        return false;
    return RunSubmenuCommand(item.Items().front().id, assistant);
}

bool TagProperties::Changed() const {
    return tag_.TagText() != original_;
}

const std::string& TagProperties::TagText() const {
    return tag_.TagText();
}

bool TagProperties::Apply() {
    return Changed() && tag_.WriteBack();
}

} // namespace velto
