// The view's tag editing: end tags completed as the user types, the tag pair at the caret
// marked, and Go To Matching Tag.
#include "ui/document/CQuorView.h"

#include "core/config/EditorConfig.h"
#include "core/tagassist/TagClosing.h"
#include "ui/app/CQuorApp.h"
#include "ui/document/ScintillaTextControl.h"

#include <QApplication>

namespace velto {

void CQuorView::SetUpTagEditing() {
    tagClosing_ = std::make_unique<TagClosing>(app_.KnowledgeBase());
    tagMatcher_ = std::make_unique<TagMatcher>(app_.KnowledgeBase());
    const auto indicator = static_cast<unsigned long>(TagPairIndicator);
    SendScintilla(SCI_INDICSETSTYLE, indicator, static_cast<long>(INDIC_STRAIGHTBOX));
    SendScintilla(SCI_INDICSETFORE, indicator, static_cast<long>(0xE0A040)); // a light blue (BGR)
    SendScintilla(SCI_INDICSETALPHA, indicator, 70L);
    SendScintilla(SCI_INDICSETOUTLINEALPHA, indicator, 160L);
    SendScintilla(SCI_INDICSETUNDER, indicator, 1L);
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & (SC_UPDATE_SELECTION | SC_UPDATE_CONTENT))
            UpdateTagHighlight();
    });
}

void CQuorView::CompleteTypedTag(char typed) {
    const CEditorConfig& options = app_.Editor();
    if (!tagClosing_ || !options.autoCloseTags || HasSelectedText())
        return;
    const int caret = CaretPosition();
    if (caret < 1 || TextRange(caret - 1, caret) != QByteArray(1, typed))
        return;
    const std::optional<TagCompletion> done =
        typed == '>' ? tagClosing_->AfterGreater(*control_, caret - 1, options.autoCloseOptionalEndTags)
                     : tagClosing_->AfterSlash(*control_, caret - 1);
    if (!done)
        return;
    // Inserted before the keystroke's change is completed (at the end of the event), so the
    // typed character and the end tag make one undo record.
    ReplaceRange(done->at, done->at, QByteArray::fromStdString(done->text));
    SetSelection(done->caret, done->caret);
}

void CQuorView::UpdateTagHighlight() {
    if (!tagMatcher_)
        return;
    std::optional<TagPair> pair;
    if (!HasSelectedText())
        pair = tagMatcher_->FindPair(*control_, CaretPosition());
    const auto same = [](const std::optional<TagPair>& a, const std::optional<TagPair>& b) {
        return a.has_value() == b.has_value() &&
               (!a || (a->tag == b->tag && a->partner == b->partner));
    };
    if (same(pair, highlighted_))
        return;
    // The marks have moved with any edit since; the indicator holds only these few runs,
    // so clearing it over the whole text costs next to nothing.
    if (highlighted_)
        ClearIndicatorEverywhere(TagPairIndicator);
    highlighted_ = pair;
    if (pair) {
        SetIndicator(TagPairIndicator, pair->tag.first, pair->tag.pastEnd, true);
        SetIndicator(TagPairIndicator, pair->partner.first, pair->partner.pastEnd, true);
    }
}

bool CQuorView::OnGotoMatchingTag() {
    FlushChange();
    const std::optional<TagPair> pair =
        tagMatcher_ ? tagMatcher_->FindPair(*control_, CaretPosition()) : std::nullopt;
    if (!pair) {
        QApplication::beep();
        return false;
    }
    SetSelection(pair->partner.first, pair->partner.first);
    SendScintilla(SCI_SCROLLCARET);
    return true;
}

} // namespace velto
