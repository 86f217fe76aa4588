// TreeChecker: start tags, with the elements the parser opens and closes around them.
#include "core/check/ProblemList.h"
#include "core/check/TreeChecker.h"
#include "core/htmlkb/AsciiCase.h"

namespace velto {

namespace {

bool HasAttribute(std::string_view text, const std::vector<ScannedAttribute>& attributes,
                  std::string_view name, std::string_view value = {}) {
    for (const ScannedAttribute& a : attributes)
        if (ascii::EqualNoCase(a.Name(text), name) &&
            (value.empty() || ascii::EqualNoCase(a.Value(text), value)))
            return true;
    return false;
}

// Elements that may stand in a list holder beside its items.
bool SupportsScripts(Tag tag) noexcept {
    return tag == Tag::Script || tag == Tag::Template;
}

} // namespace

void TreeChecker::StartTag(const ScannedToken& token,
                           const std::vector<ScannedAttribute>& attributes, Id id,
                           PageScanner& scanner) {
    seenContent_ = true;
    blocked_ = blockedReported_ = false;
    Open e = Make(token, id);
    if (InForeign() && StartInForeign(e, token, attributes))
        return;
    if (StartDocumentElement(e, token))
        return;
    if (!bodyOpened_ && !inFrameset_) {
        if ((e.traits & Trait::HeadContent) != 0 && !headClosed_) {
            EnsureHtml();
            if (!headOpened_) {
                headOpened_ = true;
                Push(Implied(Tag::Head));
            }
            CheckContext(e);
            InsertElement(e, token, scanner);
            return;
        }
        // Under SGML an element of the head such as TITLE holds what it holds.
        if (sgml_ && !stack_.empty() && !Is(stack_.back(), Tag::Html) &&
            !Is(stack_.back(), Tag::Head)) {
            Misplaced(e, Display(e) + " cannot stand inside " + Display(stack_.back()));
            InsertElement(e, token, scanner);
            return;
        }
        EnsureBody(token.start, token.end);
    }
    if (inFrameset_) {
        if (e.tag == Tag::Frame || e.tag == Tag::Frameset || e.tag == Tag::Noframes) {
            InsertElement(e, token, scanner);
            return;
        }
        Misplaced(e, Display(e) +
                         " in a FRAMESET page: only FRAME, FRAMESET and NOFRAMES may stand here");
        return;
    }
    if (StartInSelect(e))
        return;
    CloseCellFor(e, token);
    if (!blocked_ && InTableContext() && StartInTable(e, token, attributes))
        return;
    StartInBody(e, token, scanner);
}

bool TreeChecker::StartDocumentElement(const Open& e, const ScannedToken& token) {
    switch (e.tag) {
    case Tag::Html:
        if (htmlOpened_)
            Misplaced(e,
                      "A second HTML start tag: a page has one HTML element, opened at its start");
        else {
            htmlOpened_ = true;
            Push(e);
        }
        return true;
    case Tag::Head:
        if (headOpened_ || bodyOpened_ || inFrameset_)
            Misplaced(e, "HEAD after the head of the page: a page has one HEAD, before its BODY");
        else {
            EnsureHtml();
            headOpened_ = true;
            Push(e);
        }
        return true;
    case Tag::Body:
        if (bodyOpened_ || inFrameset_) {
            Misplaced(e, "A second BODY start tag: a page has one BODY");
            return true;
        }
        EnsureHtml();
        CloseHead(token.start, token.end);
        headClosed_ = bodyOpened_ = true;
        Push(e);
        return true;
    case Tag::Frameset:
        if (bodyOpened_) {
            Misplaced(e, "FRAMESET inside BODY: a frame page has a FRAMESET in place of its BODY");
            return true;
        }
        if (!inFrameset_) {
            EnsureHtml();
            CloseHead(token.start, token.end);
            headClosed_ = inFrameset_ = true;
        }
        Push(e);
        return true;
    default:
        return false;
    }
}

bool TreeChecker::StartInForeign(const Open& e, const ScannedToken& token,
                                 const std::vector<ScannedAttribute>& attributes) {
    const bool breaksOut = (e.traits & Trait::Breakout) != 0 ||
                           (e.tag == Tag::Font && (HasAttribute(text_, attributes, "color") ||
                                                   HasAttribute(text_, attributes, "face") ||
                                                   HasAttribute(text_, attributes, "size")));
    if (!breaksOut) {
        if (!token.selfClosing) {
            Open foreign = e;
            foreign.id = CheckVocabulary::None; // SVG's and MathML's names are their own
            foreign.tag = Tag::Other;
            foreign.traits = 0;
            foreign.foreign = true;
            Push(foreign);
        }
        return true;
    }
    Misplaced(e, Display(e) +
                     " inside SVG or MathML: close the drawing or formula before HTML goes on");
    while (InForeign())
        Pop();
    return false;
}

bool TreeChecker::StartInSelect(Open& e) {
    if (stack_.empty() || InForeign())
        return false;
    const int select = FindTagInScope(Tag::Select, Scope::Select);
    if (select < 0)
        return false;
    switch (e.tag) {
    case Tag::Option:
        if (CurrentIs(Tag::Option))
            Pop();
        Push(e);
        return true;
    case Tag::Optgroup:
        if (CurrentIs(Tag::Option))
            Pop();
        if (CurrentIs(Tag::Optgroup))
            Pop();
        Push(e);
        return true;
    case Tag::Hr:
        if (CurrentIs(Tag::Option))
            Pop();
        if (CurrentIs(Tag::Optgroup))
            Pop();
        return true;
    case Tag::Select:
        Misplaced(e, "SELECT inside SELECT: lists cannot be nested; the first list ends here");
        PopTo(select, e.start, e.end);
        return true;
    case Tag::Input:
    case Tag::Textarea:
        Misplaced(e, Display(e) + " inside SELECT: a list holds options; the list ends here");
        PopTo(select, e.start, e.end);
        return false;
    default:
        return false;
    }
}

bool TreeChecker::StartInTable(Open& e, const ScannedToken& token,
                               const std::vector<ScannedAttribute>& attributes) {
    const auto clearTo = [this](auto stopAt) {
        while (!stack_.empty() && !stopAt(stack_.back()))
            Pop();
    };
    const auto tableLevel = [this](const Open& o) {
        return Is(o, Tag::Table) || Is(o, Tag::Html) || Is(o, Tag::Template);
    };
    const auto bodyLevel = [this](const Open& o) {
        return (o.traits & Trait::TableSection) != 0 || Is(o, Tag::Table) || Is(o, Tag::Html) ||
               Is(o, Tag::Template);
    };
    switch (e.tag) {
    case Tag::Caption:
        clearTo(tableLevel);
        Push(e);
        PushMarker();
        return true;
    case Tag::Colgroup:
    case Tag::Tbody:
    case Tag::Thead:
    case Tag::Tfoot:
        clearTo(tableLevel);
        Push(e);
        return true;
    case Tag::Col:
        clearTo(tableLevel);
        return true;
    case Tag::Tr:
        clearTo(bodyLevel);
        if (CurrentIs(Tag::Table))
            Push(Implied(Tag::Tbody));
        Push(e);
        return true;
    case Tag::Td:
    case Tag::Th:
        if (!CurrentIs(Tag::Tr)) {
            CheckContext(e);
            clearTo(bodyLevel);
            if (CurrentIs(Tag::Table))
                Push(Implied(Tag::Tbody));
            Push(Implied(Tag::Tr));
        }
        Push(e);
        PushMarker();
        return true;
    case Tag::Table: {
        Misplaced(e,
                  "TABLE directly inside " + Display(stack_.back()) +
                      (sgml_ ? std::string(": put the inner table in a cell")
                             : std::string(
                                   ": the first table ends here (put the inner table in a cell)")));
        if (!sgml_)
            PopTo(FindTagInScope(Tag::Table, Scope::Table), token.start, token.end);
        return false;
    }
    case Tag::Script:
    case Tag::Style:
    case Tag::Template:
        return false;
    case Tag::Input:
        if (HasAttribute(text_, attributes, "type", "hidden"))
            return true;
        break;
    case Tag::Form:
        Misplaced(e, "FORM directly inside " + Display(stack_.back()) +
                         ": put the form around the table or inside a cell");
        return true;
    default:
        break;
    }
    Misplaced(e, Display(e) + " directly inside " + Display(stack_.back()) +
                     ": put it in a cell (TD), or before the table");
    return false;
}

void TreeChecker::CloseCellFor(const Open& e, const ScannedToken& token) {
    switch (e.tag) {
    case Tag::Caption:
    case Tag::Col:
    case Tag::Colgroup:
    case Tag::Tbody:
    case Tag::Thead:
    case Tag::Tfoot:
    case Tag::Tr:
    case Tag::Td:
    case Tag::Th:
        break;
    default:
        return;
    }
    // A new row or cell ends the cell (or caption) that is open, end tag or not.
    for (int i = static_cast<int>(stack_.size()) - 1; i >= 0; --i) {
        const Open& node = stack_[static_cast<std::size_t>(i)];
        if ((node.traits & Trait::Cell) != 0 || Is(node, Tag::Caption)) {
            if (!MayImplyEndsAbove(i, e))
                return;
            GenerateImpliedEnds();
            PopTo(i < static_cast<int>(stack_.size()) ? i : static_cast<int>(stack_.size()) - 1,
                  token.start, token.end);
            ClearToMarker();
            return;
        }
        if (IsBoundary(node, Scope::Table))
            return;
    }
}

bool TreeChecker::TablePartOutsideTable(const Open& e) const noexcept {
    if (InTemplate())
        return false;
    switch (e.tag) {
    case Tag::Caption:
    case Tag::Col:
    case Tag::Colgroup:
    case Tag::Tbody:
    case Tag::Thead:
    case Tag::Tfoot:
    case Tag::Tr:
    case Tag::Td:
    case Tag::Th:
        return FindTagInScope(Tag::Table, Scope::Table) < 0;
    case Tag::Frame:
        return true;
    default:
        return false;
    }
}

void TreeChecker::ClosePIfOpen(const Open& e, const ScannedToken& token) {
    const int p = FindTagInScope(Tag::P, Scope::Button);
    if (p < 0 || !MayImplyEndsAbove(p, e))
        return;
    GenerateImpliedEnds(Tag::P);
    PopTo(FindTagInScope(Tag::P, Scope::Button), token.start, token.end);
}

void TreeChecker::CloseListItem(const Open& e, Tag a, Tag b, const ScannedToken& token) {
    for (int i = static_cast<int>(stack_.size()) - 1; i >= 0; --i) {
        const Open& node = stack_[static_cast<std::size_t>(i)];
        if (Is(node, a) || Is(node, b)) {
            if (!MayImplyEndsAbove(i, e))
                return;
            GenerateImpliedEnds(node.tag);
            for (int j = static_cast<int>(stack_.size()) - 1; j >= 0; --j)
                if (Is(stack_[static_cast<std::size_t>(j)], a) ||
                    Is(stack_[static_cast<std::size_t>(j)], b))
                    return PopTo(j, token.start, token.end);
            return;
        }
        if ((node.traits & Trait::Special) != 0 && !Is(node, Tag::Address) && !Is(node, Tag::Div) &&
            !Is(node, Tag::P))
            return;
    }
}

void TreeChecker::StartInBody(Open e, const ScannedToken& token, PageScanner& scanner) {
    if (TablePartOutsideTable(e)) {
        // Browsers drop these start tags outside their table or frame set; SGML keeps them.
        CheckContext(e);
        if (sgml_)
            InsertElement(e, token, scanner);
        return;
    }
    if ((e.traits & Trait::ClosesParagraph) != 0 && !CloseBeforeBlock(e, token))
        return;
    CloseSameKind(e, token);
    if ((e.traits & Trait::ClosesParagraph) == 0)
        Reconstruct();
    CheckContext(e);
    if (!blockedReported_)
        CheckBlockInInline(e);
    if (token.selfClosing && (e.traits & Trait::Void) == 0 && e.tag != Tag::Svg &&
        e.tag != Tag::Math)
        problems_.Add(Rule::SelfClosingTag, e.start, e.end,
                      Display(e) +
                          " is not an empty element: browsers ignore the \"/\" of \"/>\" and " +
                          Display(e) + " stays open until </" + ascii::ToLower(Display(e)) + ">");
    InsertElement(e, token, scanner);
}

bool TreeChecker::CloseBeforeBlock(const Open& e, const ScannedToken& token) {
    if (e.tag == Tag::Li)
        CloseListItem(e, Tag::Li, Tag::Li, token);
    else if (e.tag == Tag::Dd || e.tag == Tag::Dt)
        CloseListItem(e, Tag::Dd, Tag::Dt, token);
    else if (e.tag == Tag::Form && formDepth_ > 0) {
        Misplaced(
            e, sgml_
                   ? std::string("FORM inside FORM: forms cannot be nested")
                   : std::string(
                         "FORM inside FORM: forms cannot be nested, so this start tag is ignored"));
        if (!sgml_)
            return false;
    }
    ClosePIfOpen(e, token);
    if (!sgml_ && (e.traits & Trait::Heading) != 0 && !stack_.empty() &&
        (stack_.back().traits & Trait::Heading) != 0) {
        problems_.Add(Rule::Misnested, e.start, e.end,
                      Display(e) + " inside " + Display(stack_.back()) +
                          ": a heading cannot hold another heading; close " +
                          Display(stack_.back()) + " first");
        stack_.back().reported = true;
        Pop();
    }
    return true;
}

void TreeChecker::CloseSameKind(const Open& e, const ScannedToken& token) {
    switch (e.tag) {
    case Tag::Button: {
        const int button = FindTagInScope(Tag::Button, Scope::Default);
        if (button >= 0 && sgml_) {
            Misplaced(e, "BUTTON inside BUTTON: buttons cannot be nested");
        } else if (button >= 0) {
            Misplaced(e, "BUTTON inside BUTTON: buttons cannot be nested; the first one ends here");
            GenerateImpliedEnds();
            PopTo(FindTagInScope(Tag::Button, Scope::Default), token.start, token.end);
        }
        return;
    }
    case Tag::A:
    case Tag::Nobr: {
        const char* why = e.tag == Tag::A ? "links cannot be nested" : "it cannot be nested";
        if (sgml_) {
            if (IsOpen(e.id))
                Misplaced(e, Display(e) + " inside " + Display(e) + ": " + why);
            return;
        }
        const int open = FindFormatting(e);
        if (open >= 0 && (e.tag == Tag::A || FindInScope(e, Scope::Default) >= 0)) {
            problems_.Add(Rule::Misnested, e.start, e.end,
                          Display(e) + " inside " + Display(e) + ": " + why +
                              "; the first one ends here");
            CloseFormatting(open);
        }
        return;
    }
    case Tag::Option:
    case Tag::Optgroup:
        if (CurrentIs(Tag::Option))
            Pop();
        return;
    case Tag::Rb:
    case Tag::Rtc:
    case Tag::Rp:
    case Tag::Rt:
        GenerateImpliedEnds(e.tag == Tag::Rp || e.tag == Tag::Rt ? Tag::Rtc : Tag::Other);
        return;
    default:
        return;
    }
}

void TreeChecker::InsertElement(Open e, const ScannedToken& token, PageScanner& scanner) {
    if ((e.traits & Trait::Void) != 0)
        return;
    if (e.tag == Tag::Svg || e.tag == Tag::Math) {
        if (token.selfClosing)
            return;
        e.foreign = true;
        Push(e);
        return;
    }
    const std::size_t depth = stack_.size();
    Push(e);
    if (stack_.size() == depth)
        return; // too deep: it stands beside the innermost element, closed at once
    Open& pushed = stack_.back();
    if ((e.traits & Trait::Formatting) != 0)
        AddFormatting(pushed);
    if (e.tag == Tag::Applet || e.tag == Tag::Marquee || e.tag == Tag::Object)
        PushMarker();
    // The DTDs before HTML5 parse the contents of TITLE, TEXTAREA, IFRAME and NOFRAMES
    // as markup; only SCRIPT and STYLE (and the old XMP) hold raw text.
    const bool raw =
        !sgml_ || e.tag == Tag::Script || e.tag == Tag::Style || (e.traits & Trait::Block) != 0;
    if ((e.traits & Trait::PlainText) != 0)
        scanner.EnterRawText(e.name, false, true);
    else if ((e.traits & Trait::RawText) != 0 && raw)
        scanner.EnterRawText(e.name, false);
    else if ((e.traits & Trait::RcData) != 0 && raw)
        scanner.EnterRawText(e.name, true);
}

void TreeChecker::CheckContext(const Open& e) {
    if (e.id == CheckVocabulary::None || InTemplate())
        return;
    // A list holds its items only (and scripts).
    if (!stack_.empty() && (stack_.back().traits & Trait::ListHolder) != 0 &&
        !SupportsScripts(e.tag)) {
        const Open& holder = stack_.back();
        const bool definitions = Is(holder, Tag::Dl);
        const bool item = definitions ? (e.tag == Tag::Dt || e.tag == Tag::Dd ||
                                         (e.tag == Tag::Div && vocabulary_.IsHtml5()))
                                      : e.tag == Tag::Li;
        if (!item) {
            Misplaced(e, Display(e) + " directly inside " + Display(holder) + ": put it in " +
                             (definitions ? "a DT or DD" : "an LI"));
            // A DTD validator takes the item's start tag as left out and reads what follows
            // inside it, so the rest of the list gives no further errors; the item is
            // implied whether or not this rule is reported, so other rules see one tree.
            if (sgml_)
                Push(Implied(definitions ? Tag::Dd : Tag::Li));
            return;
        }
    }
    if (!problems_.Wants(Rule::Context))
        return;
    const CheckVocabulary::ElementRule& rule = vocabulary_.Element(e.id);
    if (rule.context.empty())
        return;
    for (Id enclosing : rule.context)
        if (IsOpen(enclosing))
            return;
    Misplaced(e, rule.name + " belongs inside " + rule.contextText);
}

void TreeChecker::CheckBlockInInline(const Open& e) {
    if ((e.traits & Trait::Block) == 0 || !problems_.Wants(Rule::BlockInInline))
        return;
    for (std::size_t i = stack_.size(); i-- > 0;) {
        const Open& node = stack_[i];
        if (node.foreign || Is(node, Tag::Template))
            return;
        // The living standard lets a link hold what its parent may hold.
        if ((node.traits & Trait::Transparent) != 0 || (Is(node, Tag::A) && vocabulary_.IsHtml5()))
            continue;
        // An element the parser reopened is the trace of one left open, reported there.
        if ((node.traits & Trait::Phrasing) != 0 && !node.reopened) {
            const std::string inner = Display(e);
            const std::string outer = Display(node);
            problems_.Add(Rule::BlockInInline, e.start, e.end,
                          inner + " inside " + outer + ": " + outer +
                              " holds only text and text-level elements; close it before " + inner);
        }
        return;
    }
}

} // namespace velto
