// HtmlMetaAttEnumVal: the predicates of enumerated values.
#include "core/htmlkb/HtmlMetaAttEnumVal.h"

#include "core/htmlkb/KindFlags.h"

namespace velto {

bool HtmlMetaAttEnumVal::IsManualEntryValue() const {
    return (KindFlags() & ValueFlags::ManualEntry) != 0;
}

bool HtmlMetaAttEnumVal::IsAlsoAttributeName() const {
    return (KindFlags() & ValueFlags::AlsoAttributeName) != 0;
}

bool HtmlMetaAttEnumVal::IsOfferedValue() const {
    return Allowed() && !IsAlsoAttributeName();
}

} // namespace velto
