// Which named character references the pages may use: those of the HTML versions
// selected in the Options.
#pragma once

#include "core/encoding/CharacterReferenceText.h"

namespace velto {

class CQuorApp;

// The namer that characters an encoding cannot hold are written with: the names the
// selected versions define ("&euro;" only where HTML 4.0 or later is selected); a
// character none of them names is written as a numeric reference ("&#8364;"), which
// every version reads.
[[nodiscard]] ReferenceNamer NamedReferencesOfSelectedVersions(CQuorApp& app);

} // namespace velto
