// velto-tool tag-set TAG NAME VALUE and tag-remove TAG NAME: a tag text with one attribute
// set or removed, as the tag popup writes it.
#include "PageInput.h"
#include "ToolCommand.h"

#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/tagassist/HtmlElementEd.h"

#include <ostream>

namespace velto::tool {
namespace {

int RunSet(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunRemove(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar setRegistrar{
    {"tag-set", "TAG NAME VALUE",
     "print TAG with the attribute NAME set to VALUE (an empty VALUE for a bare name)", RunSet}};
const Registrar removeRegistrar{
    {"tag-remove", "TAG NAME", "print TAG without the attribute NAME", RunRemove}};

// Looks the tag's element up among all elements, whatever the version selection, and the
// attribute among those it offers; then prints the rewritten tag.
int Rewrite(const std::string& tagText, const std::string& name, const std::string& value, bool set,
            std::ostream& out, std::ostream& err) {
    CHtmlConfig htmlConfig;
    const CEditorConfig editorConfig;
    const HtmlKnowledgeBase kb(htmlConfig, editorConfig);
    const std::string_view elementName = HtmlElementEd::NameOfTag(tagText);
    const HtmlMetaElement* element = elementName.empty() ? nullptr : kb.FindElement(elementName);
    if (element == nullptr) {
        err << "velto-tool: unknown element '" << elementName << "' in " << tagText << '\n';
        return 1;
    }
    const HtmlMetaAttBase* attribute = element->FindAttribute(name, NameMode::HtmlTag);
    if (attribute == nullptr || attribute->IsEventHolder()) {
        err << "velto-tool: the element " << element->Name() << " has no attribute '" << name
            << "'\n";
        return 1;
    }
    // The tag comes as text (UTF-8); with --encoding it goes out in that encoding.
    DocumentEncoding encoding;
    if (ChosenEncoding())
        encoding.encoding = ChosenEncoding();
    out << InPageEncoding(HtmlElementEd::SetAttributeText(*attribute, tagText, value, set), encoding) << '\n';
    return 0;
}

int RunSet(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 3)
        return UsageError("tag-set", err);
    return Rewrite(args[0], args[1], args[2], true, out, err);
}

int RunRemove(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2)
        return UsageError("tag-remove", err);
    return Rewrite(args[0], args[1], {}, false, out, err);
}

} // namespace
} // namespace velto::tool
