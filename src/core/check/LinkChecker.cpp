// LinkChecker: ids, fragments and local files.
#include "core/check/LinkChecker.h"

#include "core/check/ProblemList.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/KindFlags.h"

#include <filesystem>
#include <map>

namespace velto {

namespace {

std::string_view Trim(std::string_view s) noexcept {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
    };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

int HexValue(char c) noexcept {
    if (c >= '0' && c <= '9')
        return c - '0';
    if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f')
        return (c | 0x20) - 'a' + 10;
    return -1;
}

std::string PercentDecoded(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && HexValue(s[i + 1]) >= 0 && HexValue(s[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(s[i + 1]) * 16 + HexValue(s[i + 2]));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

bool HasScheme(std::string_view s) noexcept {
    if (s.empty() || !((s[0] >= 'a' && s[0] <= 'z') || (s[0] >= 'A' && s[0] <= 'Z')))
        return false;
    for (std::size_t i = 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c == ':')
            return true;
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
              c == '+' || c == '-' || c == '.'))
            return false;
    }
    return false;
}

// The URL kinds whose addresses name files a page needs (links, images, sounds, videos,
// scripts, frames and objects); program addresses such as FORM ACTION run on a server.
bool NamesFile(const CheckVocabulary::AttributeRule& rule) noexcept {
    switch (rule.kind) {
    case AttKind::ProgramUrl:
        return !ascii::EqualNoCase(rule.name, "ACTION");
    case AttKind::DocumentUrl:
    case AttKind::ImageUrl:
    case AttKind::SoundUrl:
    case AttKind::VideoUrl:
    case AttKind::ScriptUrl:
    case AttKind::DataUrlKind:
        return !ascii::EqualNoCase(rule.name, "USEMAP");
    default:
        return false;
    }
}

} // namespace

std::string LocalPathOf(std::string_view address) {
    address = Trim(address);
    if (address.empty() || address[0] == '#' || address[0] == '/' || address[0] == '?' ||
        HasScheme(address))
        return {};
    // Placeholders of templates and server pages are filled in later.
    for (std::string_view mark : {"{{", "{%", "<?", "<%", "${", "$"})
        if (address.find(mark) != std::string_view::npos)
            return {};
    const std::size_t cut = address.find_first_of("?#");
    return PercentDecoded(address.substr(0, cut));
}

// ---- the name set ----

const LinkChecker::Place* LinkChecker::NameSet::Insert(const Place& place) {
    if ((count_ + 1) * 2 > slots_.size())
        Grow();
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = std::hash<std::string_view>{}(place.value) & mask;; i = (i + 1) & mask) {
        Place& slot = slots_[i];
        if (slot.end == 0) {
            slot = place;
            ++count_;
            return nullptr;
        }
        if (slot.value == place.value)
            return &slot;
    }
}

bool LinkChecker::NameSet::Contains(std::string_view name) const noexcept {
    if (slots_.empty())
        return false;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = std::hash<std::string_view>{}(name)&mask;; i = (i + 1) & mask) {
        const Place& slot = slots_[i];
        if (slot.end == 0)
            return false;
        if (slot.value == name)
            return true;
    }
}

void LinkChecker::NameSet::Grow() {
    std::vector<Place> old = std::move(slots_);
    slots_.assign(std::max<std::size_t>(64, old.size() * 2), Place{});
    count_ = 0;
    for (const Place& p : old)
        if (p.end != 0)
            Insert(p);
}

// ---- collecting ----

LinkChecker::LinkChecker(std::string_view text, const CheckVocabulary& vocabulary,
                         ProblemList& problems, std::string documentPath, FileProbe probe)
    : text_(text), vocabulary_(vocabulary), problems_(problems),
      documentPath_(std::move(documentPath)), probe_(std::move(probe)) {
    if (!probe_)
        probe_ = [](const std::string& path) {
            std::error_code error;
            return std::filesystem::exists(path, error);
        };
}

void LinkChecker::StartTag(const std::vector<ScannedAttribute>& attributes, CheckVocabulary::Id id,
                           bool foreign) {
    for (const ScannedAttribute& a : attributes)
        if (a.hasValue && ascii::EqualNoCase(a.Name(text_), "id"))
            Id(a);
    if (foreign || id == CheckVocabulary::None)
        return;
    const CheckVocabulary::ElementRule& element = vocabulary_.Element(id);
    if (!element.known)
        return;
    for (const ScannedAttribute& a : attributes) {
        if (!a.hasValue)
            continue;
        const std::string_view name = a.Name(text_);
        if (ascii::EqualNoCase(name, "name") && (element.name == "A" || element.name == "MAP")) {
            names_.Insert({Trim(a.Value(text_)), a.valueStart, a.valueEnd});
            continue;
        }
        if (element.name == "BASE" && ascii::EqualNoCase(name, "href")) {
            const std::string_view href = Trim(a.Value(text_));
            remoteBase_ = HasScheme(href) || href.starts_with("/");
            base_ = remoteBase_ ? std::string() : LocalPathOf(href);
            continue;
        }
        if (const CheckVocabulary::AttributeRule* rule = vocabulary_.FindAttribute(element, name))
            Url(element, *rule, a);
    }
}

void LinkChecker::Id(const ScannedAttribute& a) {
    const std::string_view value = a.Value(text_);
    if (value.empty())
        return;
    const Place place{value, a.nameStart, a.valueEnd + (a.quote != 0 ? 1 : 0)};
    const Place* first = ids_.Insert(place);
    if (first == nullptr)
        return;
    Problem* p =
        problems_.Add(Rule::DuplicateId, place.start, place.end,
                      "The id \"" + std::string(value) +
                          "\" is given to another element already: an id names one element only");
    if (p != nullptr) {
        p->relatedStart = first->start;
        p->relatedEnd = first->end;
        p->relatedNote = "The first element with the id \"" + std::string(value) + "\"";
    }
}

void LinkChecker::Url(const CheckVocabulary::ElementRule& element,
                      const CheckVocabulary::AttributeRule& rule, const ScannedAttribute& a) {
    const std::string_view value = Trim(a.Value(text_));
    if (value.empty())
        return;
    const bool usemap = ascii::EqualNoCase(rule.name, "USEMAP");
    if (value[0] == '#' && (usemap || rule.kind == AttKind::DocumentUrl)) {
        fragments_.push_back({value.substr(1), a.valueStart, a.valueEnd});
        return;
    }
    (void)element;
    if (NamesFile(rule) && !documentPath_.empty())
        files_.push_back({value, a.valueStart, a.valueEnd});
}

// ---- checking ----

void LinkChecker::Finish() {
    CheckFragments();
    CheckFiles();
}

void LinkChecker::CheckFragments() {
    if (!problems_.Wants(Rule::MissingFragment))
        return;
    for (const Place& f : fragments_) {
        if (f.value.empty() || ascii::EqualNoCase(f.value, "top"))
            continue;
        const std::string decoded = f.value.find('%') == std::string_view::npos
                                        ? std::string(f.value)
                                        : PercentDecoded(f.value);
        if (ids_.Contains(decoded) || names_.Contains(decoded))
            continue;
        problems_.Add(Rule::MissingFragment, f.start, f.end,
                      "No element of this page has the id \"" + decoded + "\" that #" + decoded +
                          " points to");
    }
}

void LinkChecker::CheckFiles() {
    if (files_.empty() || remoteBase_ || !problems_.Wants(Rule::MissingFile))
        return;
    namespace fs = std::filesystem;
    fs::path folder = fs::path(documentPath_).parent_path();
    if (!base_.empty()) {
        // A local BASE reads addresses against its folder ("sub/" or "sub/page.html").
        const fs::path base(base_);
        folder /= base_.back() == '/' ? base : base.parent_path();
    }
    std::map<std::string, bool> seen;
    for (const Place& f : files_) {
        const std::string relative = LocalPathOf(f.value);
        if (relative.empty())
            continue;
        const std::string full = (folder / relative).lexically_normal().string();
        auto [it, fresh] = seen.try_emplace(full, false);
        if (fresh)
            it->second = probe_(full);
        if (!it->second)
            problems_.Add(Rule::MissingFile, f.start, f.end,
                          "\"" + relative + "\" names a file that does not exist (" + full + ")");
    }
}

} // namespace velto
