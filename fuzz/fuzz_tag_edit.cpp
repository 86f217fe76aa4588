// Fuzzes the tag at the caret and its attribute text operations. The input is an 8-byte
// header (caret and anchor as little-endian 16-bit numbers, flags, an element and an
// attribute choice, a value length), then the value, then the document text. Promises
// checked: the tag found is the text of its range, lies around the caret within the
// window and holds no other '>' or opener; a selection is always a tag; the four parts of
// a found attribute put together give the tag text back; an attribute set reads back with
// its value and setting it again changes nothing; removing shortens the tag; the write
// back replaces exactly the tag's range.
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/platform/MemoryTextControl.h"
#include "core/tagassist/HtmlElementEd.h"
#include "core/tagassist/TagSyntax.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace velto;

void Check(bool promise) {
    if (!promise)
        std::abort();
}

struct Kb {
    CHtmlConfig html;
    CEditorConfig editor;
    HtmlKnowledgeBase kb{html, editor};
    Kb() { kb.RebuildAllowed(); }
};

// The parts of a found attribute, put together, are the tag text.
void CheckParts(std::string_view name, std::string_view tag) {
    std::string before, namePart, value, after;
    if (!HtmlElementEd::FindAttributeText(name, tag, &before, &namePart, &value, &after))
        return;
    Check(namePart.size() >= name.size() &&
          ascii::EqualNoCase(std::string_view(namePart).substr(0, name.size()), name));
    const std::string front = before + namePart + value;
    Check(tag.substr(0, front.size()) == front && front.size() + after.size() <= tag.size());
    const std::size_t gap = tag.size() - front.size() - after.size();
    Check(tag.substr(tag.size() - after.size()) == after);
    Check(gap == 0 || (gap == 1 && (tag[front.size()] == '"' || tag[front.size()] == '\'')));
}

void CheckFoundTag(const HtmlElementEd& ed, std::string_view text, int caret, bool selection,
                   int selStart, int selEnd) {
    const auto first = static_cast<std::size_t>(ed.First());
    const auto pastEnd = static_cast<std::size_t>(ed.PastEnd());
    Check(ed.First() >= 0 && first <= pastEnd && pastEnd <= text.size());
    Check(ed.TagText() == text.substr(first, pastEnd - first));
    Check(ed.ElementName().size() <= MaxTagNameLength);
    if (selection) {
        Check(ed.First() == selStart && ed.PastEnd() == selEnd);
        return;
    }
    const std::string& tag = ed.TagText();
    Check(tag.size() >= 2 && tag.front() == '<' && tag.back() == '>');
    Check(ed.First() < caret && caret < ed.PastEnd());
    Check(tag.size() <= HtmlElementEd::CaretWindow + 1);
    for (std::size_t i = first + 1; i + 1 < pastEnd; ++i)
        Check(text[i] != '>' && !IsTagOpener(text, i));
}

const HtmlMetaAttBase* PickAttribute(const HtmlKnowledgeBase& kb, std::string_view tag,
                                     std::uint8_t elementChoice, std::uint8_t attChoice) {
    const HtmlMetaElement* element = kb.FindElement(HtmlElementEd::NameOfTag(tag));
    if (element == nullptr)
        element = kb.Elements()[elementChoice % kb.Elements().size()].get();
    std::vector<const HtmlMetaAttBase*> atts;
    for (const HtmlMetaAttBase* a : element->GetAttributes(AttributeIteration::All))
        if (!a->IsEventHolder())
            atts.push_back(a);
    return atts.empty() ? nullptr : atts[attChoice % atts.size()];
}

void CheckSetAndRemove(const HtmlMetaAttBase& att, std::string_view tag, std::string_view value) {
    const std::string set = HtmlElementEd::SetAttributeText(att, tag, value, true);
    std::string before, namePart, read, after;
    Check(HtmlElementEd::FindAttributeText(att.Name(), set, &before, &namePart, &read, &after));
    const bool bare = att.IsFlagAttribute() || (att.IsValueOptional() && value.empty());
    const bool bothQuotes = value.find('"') != value.npos && value.find('\'') != value.npos;
    if (!bare) {
        if (!bothQuotes)
            Check(read == value);
        Check(HtmlElementEd::SetAttributeText(att, set, value, true) == set);
    }
    Check(HtmlElementEd::SetAttributeText(att, set, {}, false).size() < set.size());
    CheckParts(att.Name(), set);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Kb shared;
    std::uint8_t header[8] = {};
    const std::size_t headerSize = size < sizeof header ? size : sizeof header;
    for (std::size_t i = 0; i < headerSize; ++i)
        header[i] = data[i];
    const std::string_view rest(reinterpret_cast<const char*>(data) + headerSize,
                                size - headerSize);
    const std::string_view value = rest.substr(0, header[7]);
    const std::string text(rest.substr(value.size()));

    const int length = static_cast<int>(text.size());
    const int caret = (header[0] | header[1] << 8) % (length + 1);
    const bool selection = (header[4] & 1) != 0;
    const int anchor = selection ? (header[2] | header[3] << 8) % (length + 1) : caret;
    shared.editor.insertHtmlLowerCase = (header[4] & 2) != 0;

    MemoryTextControl control(text);
    control.SetSelection({anchor, caret});
    HtmlElementEd ed(shared.kb, control);

    const auto around = ed.ReadAroundCaret(caret, header[6] * 37 - 1000);
    Check(around.start >= 0 && around.start <= caret &&
          caret <= around.start + static_cast<int>(around.text.size()));
    Check(text.compare(around.start, around.text.size(), around.text) == 0);

    const int selStart = anchor < caret ? anchor : caret;
    const int selEnd = anchor < caret ? caret : anchor;
    const bool found = ed.FindTagAtCaret();
    Check(found || selStart == selEnd);
    if (found)
        CheckFoundTag(ed, text, caret, selStart != selEnd, selStart, selEnd);

    const std::string tag = found ? ed.TagText() : text;
    CheckParts(value, tag);
    const HtmlMetaAttBase* att = PickAttribute(shared.kb, tag, header[5], header[6]);
    if (att == nullptr)
        return 0;
    CheckParts(att->Name(), tag);
    CheckSetAndRemove(*att, tag, value);

    if (found) {
        const std::string expected = text.substr(0, static_cast<std::size_t>(ed.First())) +
                                     HtmlElementEd::SetAttributeText(*att, tag, value, true) +
                                     text.substr(static_cast<std::size_t>(ed.PastEnd()));
        ed.SetAttribute(*att, value, true);
        Check(ed.WriteBack() && control.Text() == expected);
        Check(control.GetSelection().Start() == ed.First() &&
              control.GetSelection().End() == ed.PastEnd());
    }
    return 0;
}
