// Which named character references the pages may use.
#include "ui/document/NamedReferences.h"

#include "core/htmlkb/CharacterReferences.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "ui/app/CQuorApp.h"

namespace velto {

ReferenceNamer NamedReferencesOfSelectedVersions(CQuorApp& app) {
    if (!app.HasKnowledgeBase())
        return {};
    const HtmlKnowledgeBase* kb = &app.KnowledgeBase();
    return [kb](char32_t ch) {
        return PreferredReferenceName(ch, [kb](std::uint32_t versions) { return kb->IsAllowed(versions); });
    };
}

} // namespace velto
