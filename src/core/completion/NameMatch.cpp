// How a name matches the letters typed so far.
#include "core/completion/NameMatch.h"

#include "core/htmlkb/AsciiCase.h"

namespace velto {

namespace {
bool HoldsAt(std::string_view name, std::size_t at, std::string_view typed) noexcept {
    return ascii::EqualNoCase(name.substr(at, typed.size()), typed);
}
} // namespace

int MatchGroup(std::string_view name, std::string_view typed, bool caseFirst) noexcept {
    if (typed.empty())
        return 0;
    if (typed.size() > name.size())
        return -1;
    const int shift = caseFirst ? 1 : 0;
    if (HoldsAt(name, 0, typed))
        return caseFirst && name.substr(0, typed.size()) != typed ? 1 : 0;
    for (std::size_t at = 1; at + typed.size() <= name.size(); ++at)
        if (HoldsAt(name, at, typed))
            return 1 + shift;
    std::size_t next = 0;
    for (char c : typed) {
        while (next < name.size() && ascii::Upper(name[next]) != ascii::Upper(c))
            ++next;
        if (next == name.size())
            return -1;
        ++next;
    }
    return 2 + shift;
}

} // namespace velto
