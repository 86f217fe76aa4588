// CompletionApplier: writes a chosen completion into the text.
#include "core/completion/CompletionApplier.h"

#include "core/completion/CompletionContext.h"
#include "core/completion/CompletionItem.h"
#include "core/config/EditorConfig.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/platform/TextControl.h"
#include "core/tagassist/HtmlElementEd.h"

#include <unordered_set>

namespace velto {

namespace {
constexpr bool IsBlank(char c) noexcept {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

void Place(TextControl& control, int caret) {
    control.SetSelection({caret, caret});
}
} // namespace

bool CompletionApplier::Apply(TextControl& control, const CompletionContext& context,
                              const CompletionItem& item) {
    const int length = control.Length();
    if (context.from < 0 || context.from > context.to || context.to > length)
        return false;
    switch (item.kind) {
    case CompletionKind::Element:
        return item.element && ApplyElement(control, context, item);
    case CompletionKind::Attribute:
        return ApplyAttribute(control, context, item);
    case CompletionKind::Value:
    case CompletionKind::File:
    case CompletionKind::Colour:
        return item.attribute && ApplyValue(control, context, item);
    case CompletionKind::Reference:
        ApplyReference(control, context, item);
        return false;
    }
    return false;
}

bool CompletionApplier::NothingFollows(const TextControl& control, int pos) {
    control.GetTextRange(pos, pos + 256, text_);
    for (std::size_t i = 0; i < text_.size(); ++i) {
        const char c = text_[i];
        if (c == '\n' || c == '\r' || c == '<')
            return true;
        if (!IsBlank(c))
            return false;
    }
    return true;
}

bool CompletionApplier::ApplyElement(TextControl& control, const CompletionContext& context,
                                     const CompletionItem& item) {
    const std::string name = item.element->GetNameForInsert();
    if (context.tagClosed || !NothingFollows(control, context.to)) {
        // A tag that stands already: its name changes, nothing else.
        control.ReplaceRange(context.from, context.to, name);
        Place(control, context.from + static_cast<int>(name.size()));
        return false;
    }
    std::string text = name;
    int caret = -1;
    std::unordered_set<std::string> written;
    item.element->ForEachAttribute(AttributeIteration::All, [&](const HtmlMetaAttBase& a) {
        if (a.IsRequired() && kb_.IsAllowed(a.Versions()) && written.insert(ascii::ToUpper(a.Name())).second) {
            text += ' ' + a.GetNameForInsert() + "=\"";
            if (caret < 0)
                caret = context.from + static_cast<int>(text.size());
            text += '"';
        }
        return true;
    });
    text += '>';
    const int gt = context.from + static_cast<int>(text.size()) - 1;
    control.ReplaceRange(context.from, context.to, text);
    if (caret < 0)
        caret = gt + 1;
    const CEditorConfig& options = kb_.EditorConfig();
    if (options.autoCloseTags)
        if (const std::optional<TagCompletion> end =
                closing_.AfterGreater(control, gt, options.autoCloseOptionalEndTags))
            control.ReplaceRange(end->at, end->at, end->text);
    Place(control, caret);
    return caret <= gt; // in a required attribute's value: its list follows
}

bool CompletionApplier::ApplyAttribute(TextControl& control, const CompletionContext& context,
                                       const CompletionItem& item) {
    const std::string name = item.attribute ? item.attribute->GetNameForInsert() : item.eventName;
    if (name.empty())
        return false;
    if (context.followedByValue) {
        control.ReplaceRange(context.from, context.to, name);
        Place(control, context.from + static_cast<int>(name.size()));
        return false;
    }
    const bool flag = item.attribute && item.attribute->IsFlagAttribute();
    std::string text;
    control.GetTextRange(context.from - 1, context.from, text_);
    if (text_.empty() || !IsBlank(text_[0]))
        text = ' ';
    text += name;
    const int caret = context.from + static_cast<int>(text.size()) + (flag ? 0 : 2);
    if (!flag)
        text += "=\"\"";
    control.GetTextRange(context.to, context.to + 1, text_);
    if (!text_.empty() && !IsBlank(text_[0]) && text_[0] != '>' && text_[0] != '/')
        text += ' ';
    control.ReplaceRange(context.from, context.to, text);
    Place(control, caret);
    return !flag;
}

bool CompletionApplier::ApplyValue(TextControl& control, const CompletionContext& context,
                                   const CompletionItem& item) {
    std::string text = HtmlElementEd::ValueTextFor(*item.attribute, item.value);
    if (!text.empty() && text[0] == '=')
        text.erase(0, 1);
    if (context.valueFrom < 0 || context.valueFrom > context.valueTo || context.valueTo > control.Length())
        return false;
    control.ReplaceRange(context.valueFrom, context.valueTo, text);
    int caret = context.valueFrom + static_cast<int>(text.size());
    // In a folder just entered, the caret stays inside the quotes for its files.
    if (item.folder && !text.empty() && (text.back() == '"' || text.back() == '\''))
        --caret;
    Place(control, caret);
    return item.folder;
}

void CompletionApplier::ApplyReference(TextControl& control, const CompletionContext& context,
                                       const CompletionItem& item) {
    int to = context.to;
    control.GetTextRange(to, to + 1, text_);
    if (text_ == ";")
        ++to;
    const std::string text = "&" + item.value + ";";
    const int from = context.from - 1; // the '&'
    control.ReplaceRange(from, to, text);
    Place(control, from + static_cast<int>(text.size()));
}

} // namespace velto
