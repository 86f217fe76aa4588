// Which named character references the pages may use.
#include "ui/document/NamedReferences.h"

namespace velto {

ReferenceNamer NamedReferencesOfSelectedVersions(const CQuorApp&) {
    return {};
}

} // namespace velto
