// FontDialogValues: the mapping between a character format and a font dialog.
#include "core/colouring/FontDialogValues.h"

namespace velto {

FontDialogValues FontDialogStart(const CRecCharFormat& format) {
    FontDialogValues v;
    v.height = format.height;
    v.weight = format.Has(CharEffects::Bold) ? FontDialogValues::Bold : FontDialogValues::Normal;
    v.italic = format.Has(CharEffects::Italic);
    v.underline = format.Has(CharEffects::Underline);
    v.strikeOut = format.Has(CharEffects::StrikeOut);
    v.pitchAndFamily = format.pitchAndFamily;
    v.faceName = format.faceName;
    v.colour = format.textColour;
    return v;
}

void TakeFontDialogResult(CRecCharFormat& format, const FontDialogValues& result) {
    format.textColour = result.colour;
    format.height = result.height;
    format.mask = format.DefaultMask();
    format.effects = (result.weight == FontDialogValues::Bold ? CharEffects::Bold : 0) |
                     (result.italic ? CharEffects::Italic : 0) |
                     (result.underline ? CharEffects::Underline : 0) |
                     (result.strikeOut ? CharEffects::StrikeOut : 0);
    format.pitchAndFamily = result.pitchAndFamily;
    format.faceName = CRecCharFormat::FitFaceName(result.faceName);
}

} // namespace velto
