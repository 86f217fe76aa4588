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
    const std::string_view range = *LendTextRange(first, pastEnd);
    out.assign(range.data(), range.size());
}

// A pointer straight into the control's buffer (Scintilla closes its gap if the range
// spans it): no copy through a message.
std::optional<std::string_view> ScintillaTextControl::LendTextRange(int first, int pastEnd) const {
    const int length = Length();
    first = std::clamp(first, 0, length);
    pastEnd = std::clamp(pastEnd, first, length);
    if (pastEnd == first)
        return std::string_view();
    const auto* data = static_cast<const char*>(reinterpret_cast<void*>(view_.SendScintilla(
        Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(first), static_cast<long>(pastEnd - first))));
    return std::string_view(data, static_cast<std::size_t>(pastEnd - first));
}

void ScintillaTextControl::ReplaceRange(int first, int pastEnd, std::string_view text) {
    view_.ReplaceRange(first, pastEnd, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

int ScintillaTextControl::LineCount() const {
    return static_cast<int>(view_.SendScintilla(Sci::SCI_GETLINECOUNT));
}

int ScintillaTextControl::LineFromPosition(int pos) const {
    return static_cast<int>(view_.SendScintilla(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(std::max(0, pos))));
}

int ScintillaTextControl::LineStart(int line) const {
    if (line < 0)
        return 0;
    const long pos = view_.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    return pos < 0 ? Length() : static_cast<int>(pos);
}

std::string_view ScintillaTextControl::LineEnd() const {
    switch (view_.SendScintilla(Sci::SCI_GETEOLMODE)) {
    case Sci::SC_EOL_CRLF: return "\r\n";
    case Sci::SC_EOL_CR: return "\r";
    default: return "\n";
    }
}

TextControl::Selection ScintillaTextControl::GetSelection() const {
    return {static_cast<int>(view_.SendScintilla(Sci::SCI_GETANCHOR)), view_.CaretPosition()};
}

void ScintillaTextControl::SetSelection(Selection selection) {
    view_.SetSelection(selection.anchor, selection.caret);
}

int ScintillaTextControl::FirstVisibleLine() const {
    // Wrapped lines take several display lines: the document line is wanted.
    const auto displayLine = static_cast<unsigned long>(view_.SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE));
    return static_cast<int>(view_.SendScintilla(Sci::SCI_DOCLINEFROMVISIBLE, displayLine));
}

TextControl::Range ScintillaTextControl::VisibleRange() const {
    const int docLine = FirstVisibleLine();
    const int first = LineStart(docLine);
    const QSize size = view_.viewport()->size();
    // The character nearest the bottom-right corner, or the end of the last visible line.
    const int corner = static_cast<int>(view_.SendScintilla(
        Sci::SCI_POSITIONFROMPOINT, static_cast<unsigned long>(std::max(0, size.width() - 1)),
        static_cast<long>(std::max(0, size.height() - 1))));
    const int lastLine = docLine +
                         static_cast<int>(view_.SendScintilla(Sci::SCI_LINESONSCREEN)) + 1;
    return {first, std::max({first, corner, std::min(Length(), LineStart(lastLine))})};
}

void ScintillaTextControl::SetStyles(int first, std::span<const std::uint8_t> styles) {
    const int length = Length();
    if (first < 0 || first >= length || styles.empty())
        return;
    const auto count = std::min<std::size_t>(styles.size(), static_cast<std::size_t>(length - first));
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
