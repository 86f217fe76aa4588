// Which named character references the pages may use: those of the HTML versions
// selected in the Options.
#pragma once

#include "core/encoding/CharacterReferenceText.h"

namespace velto {

class CQuorApp;

// The namer that characters an encoding cannot hold are written with. The knowledge
// base has no table of named character references yet, so it names none and every such
// character is written as a numeric reference ("&#8364;"), which every version reads;
// once that table is in, this is where it gives the names of the selected versions.
[[nodiscard]] ReferenceNamer NamedReferencesOfSelectedVersions(const CQuorApp& app);

} // namespace velto
