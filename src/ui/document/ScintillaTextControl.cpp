// The core's text control port on an editor view's QScintilla control.
#include "ui/document/ScintillaTextControl.h"

#include "core/colouring/AppearanceSettings.h"
#include "ui/document/CQuorView.h"
#include "ui/platform/FontChooser.h"

#include <algorithm>
#include <cmath>

namespace velto {

namespace {
using Sci = QsciScintillaBase;
}

int ScintillaTextControl::Length() const {
    return view_.TextLength();
}

void ScintillaTextControl::GetTextRange(int first, int pastEnd, std::string& out) const {
    if (const std::optional<std::string_view> range = LendTextRange(first, pastEnd)) {
        out.assign(range->data(), range->size());
        return;
    }
    const QByteArray bytes = view_.TextRange(first, pastEnd);
    out.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// A pointer straight into the control's buffer (Scintilla closes its gap if the range
// spans it): no copy through a message. A range holding a break shown in a long line is
// not lent, as the buffer holds the break's byte there.
std::optional<std::string_view> ScintillaTextControl::LendTextRange(int first, int pastEnd) const {
    const int length = Length();
    first = std::clamp(first, 0, length);
    pastEnd = std::clamp(pastEnd, first, length);
    if (pastEnd == first)
        return std::string_view();
    const DisplayBreaks& breaks = view_.Breaks();
    if (!breaks.Empty()) {
        const DisplayBreaks::Range shown = breaks.ToShown(first, pastEnd);
        if (breaks.CountIn(shown.first, shown.pastEnd) > 0)
            return std::nullopt;
        first = shown.first;
        pastEnd = shown.pastEnd;
    }
    const auto* data = static_cast<const char*>(reinterpret_cast<void*>(view_.SendScintilla(
        Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(first), static_cast<long>(pastEnd - first))));
    return std::string_view(data, static_cast<std::size_t>(pastEnd - first));
}

void ScintillaTextControl::ReplaceRange(int first, int pastEnd, std::string_view text) {
    view_.ReplaceRange(first, pastEnd, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

int ScintillaTextControl::ShownLineStart(int shownLine) const {
    const long pos = view_.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(shownLine));
    return pos < 0 ? static_cast<int>(view_.SendScintilla(Sci::SCI_GETLENGTH)) : static_cast<int>(pos);
}

int ScintillaTextControl::DocumentLineOfShown(int shownLine) const {
    // Every break before the shown line's start added one shown line.
    return shownLine - view_.Breaks().CountIn(0, ShownLineStart(shownLine));
}

int ScintillaTextControl::LineCount() const {
    return static_cast<int>(view_.SendScintilla(Sci::SCI_GETLINECOUNT)) - static_cast<int>(view_.Breaks().Count());
}

int ScintillaTextControl::LineFromPosition(int pos) const {
    const int shown = view_.ShownPosition(std::clamp(pos, 0, Length()));
    const auto line = static_cast<int>(view_.SendScintilla(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(shown)));
    return view_.Breaks().Empty() ? line : DocumentLineOfShown(line);
}

int ScintillaTextControl::LineStart(int line) const {
    if (line < 0)
        return 0;
    const DisplayBreaks& breaks = view_.Breaks();
    if (breaks.Empty()) {
        const long pos = view_.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
        return pos < 0 ? Length() : static_cast<int>(pos);
    }
    if (line >= LineCount())
        return Length();
    // The first shown line of the document's line: the document line of shown lines never
    // decreases, and a line's first shown line is at most the breaks further on.
    int low = line;
    int high = std::min(line + static_cast<int>(breaks.Count()),
                        static_cast<int>(view_.SendScintilla(Sci::SCI_GETLINECOUNT)) - 1);
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (DocumentLineOfShown(mid) < line)
            low = mid + 1;
        else
            high = mid;
    }
    return view_.DocumentPosition(ShownLineStart(low));
}

std::string_view ScintillaTextControl::LineEnd() const {
    switch (view_.SendScintilla(Sci::SCI_GETEOLMODE)) {
    case Sci::SC_EOL_CRLF: return "\r\n";
    case Sci::SC_EOL_CR: return "\r";
    default: return "\n";
    }
}

TextControl::Selection ScintillaTextControl::GetSelection() const {
    return {view_.DocumentPosition(static_cast<int>(view_.SendScintilla(Sci::SCI_GETANCHOR))), view_.CaretPosition()};
}

void ScintillaTextControl::SetSelection(Selection selection) {
    view_.SetSelection(selection.anchor, selection.caret);
}

int ScintillaTextControl::FirstShownLine() const {
    // Wrapped lines take several display lines: the control's line is wanted.
    const auto displayLine = static_cast<unsigned long>(view_.SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE));
    return static_cast<int>(view_.SendScintilla(Sci::SCI_DOCLINEFROMVISIBLE, displayLine));
}

int ScintillaTextControl::FirstVisibleLine() const {
    const int shownLine = FirstShownLine();
    return view_.Breaks().Empty() ? shownLine : DocumentLineOfShown(shownLine);
}

TextControl::Range ScintillaTextControl::VisibleRange() const {
    // Found in the control's lines: a long line shown broken is visible only in part.
    const int shownLine = FirstShownLine();
    const int first = ShownLineStart(shownLine);
    const QSize size = view_.viewport()->size();
    // The character nearest the bottom-right corner, or the end of the last visible line.
    const int corner = static_cast<int>(view_.SendScintilla(
        Sci::SCI_POSITIONFROMPOINT, static_cast<unsigned long>(std::max(0, size.width() - 1)),
        static_cast<long>(std::max(0, size.height() - 1))));
    const int lastLine = shownLine + static_cast<int>(view_.SendScintilla(Sci::SCI_LINESONSCREEN)) + 1;
    const int pastEnd = std::max({first, corner, ShownLineStart(lastLine)});
    return {view_.DocumentPosition(first), view_.DocumentPosition(pastEnd)};
}

void ScintillaTextControl::SetStyles(int first, std::span<const std::uint8_t> styles) {
    const int length = Length();
    if (first < 0 || first >= length || styles.empty())
        return;
    std::size_t count = std::min<std::size_t>(styles.size(), static_cast<std::size_t>(length - first));
    const DisplayBreaks& breaks = view_.Breaks();
    if (!breaks.Empty()) {
        // A break takes the style of the character before it.
        const DisplayBreaks::Range shown = breaks.ToShown(first, first + static_cast<int>(count));
        if (breaks.CountIn(shown.first, shown.pastEnd) > 0) {
            withBreaks_.clear();
            std::size_t next = 0;
            int at = shown.first;
            breaks.ForEachPiece(shown.first, shown.pastEnd, [&](int a, int b) {
                if (a > at) // the breaks since the last piece
                    withBreaks_.insert(withBreaks_.end(), static_cast<std::size_t>(a - at), withBreaks_.back());
                const auto from = styles.begin() + static_cast<std::ptrdiff_t>(next);
                withBreaks_.insert(withBreaks_.end(), from, from + (b - a));
                next += static_cast<std::size_t>(b - a);
                at = b;
            });
            styles = withBreaks_;
            count = withBreaks_.size();
        }
        first = shown.first;
    }
    view_.SendScintilla(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(first), 0xffL);
    view_.SendScintilla(Sci::SCI_SETSTYLINGEX, static_cast<uintptr_t>(count),
                        reinterpret_cast<const char*>(styles.data()));
    // Struck-out text is the "Text" format's effect, so it covers whatever was styled.
    view_.SendScintilla(Sci::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(StrikeIndicator));
    if (strikeOut_)
        view_.SendScintilla(Sci::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(first),
                            static_cast<long>(count));
    else
        view_.SendScintilla(Sci::SCI_INDICATORCLEARRANGE, static_cast<unsigned long>(first),
                            static_cast<long>(count));
}

void ScintillaTextControl::ApplyAppearance(const AppearanceSettings& appearance) {
    const CRecCharFormat& text = appearance.Class(AppearanceClass::Text);
    const QByteArray face = DisplayFamily(text.faceName).toUtf8();
    const auto hundredths = static_cast<unsigned long>(std::lround(text.HeightInPoints() * 100));
    // The default style first, copied to every style, then each class's colour.
    const auto def = static_cast<unsigned long>(Sci::STYLE_DEFAULT);
    view_.SendScintilla(Sci::SCI_STYLESETFONT, def, face.constData());
    view_.SendScintilla(Sci::SCI_STYLESETSIZEFRACTIONAL, def, static_cast<long>(hundredths));
    view_.SendScintilla(Sci::SCI_STYLESETBOLD, def, static_cast<long>(text.Has(CharEffects::Bold)));
    view_.SendScintilla(Sci::SCI_STYLESETITALIC, def, static_cast<long>(text.Has(CharEffects::Italic)));
    view_.SendScintilla(Sci::SCI_STYLESETUNDERLINE, def,
                        static_cast<long>(text.Has(CharEffects::Underline)));
    view_.SendScintilla(Sci::SCI_STYLESETFORE, def, static_cast<long>(text.textColour));
    view_.SendScintilla(Sci::SCI_STYLECLEARALL);
    const auto classes = appearance.Classes();
    for (std::size_t i = 0; i < classes.size(); ++i)
        view_.SendScintilla(Sci::SCI_STYLESETFORE, static_cast<unsigned long>(i),
                            static_cast<long>(classes[i].textColour));
    view_.SendScintilla(Sci::SCI_INDICSETSTYLE, static_cast<unsigned long>(StrikeIndicator),
                        static_cast<long>(Sci::INDIC_STRIKE));
    view_.SendScintilla(Sci::SCI_INDICSETFORE, static_cast<unsigned long>(StrikeIndicator),
                        static_cast<long>(text.textColour));
    strikeOut_ = text.Has(CharEffects::StrikeOut);
}

} // namespace velto
