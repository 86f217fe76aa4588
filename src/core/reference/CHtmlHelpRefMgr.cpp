// The reference manager.
#include "core/reference/CHtmlHelpRefMgr.h"

#include "core/platform/Profile.h"
#include "core/templates/CFileTreeScanner.h"
#include "core/templates/CTemplates.h"

#include <filesystem>

namespace velto {

namespace {
constexpr const char* Section = "Velto HTML Help";

std::string ClassKey(int cls) {
    return "Default For Class " + std::to_string(cls);
}
} // namespace

void CHtmlHelpRefMgr::Scan(const std::string& folder, const std::string& pattern) {
    CFileTreeScanner scanner;
    scanner.AddIncludePattern(pattern);
    scanner.Scan(folder);
    for (const CFindFileInfo& found : scanner.Entries()) {
        if (found.folder)
            continue;
        auto ref = std::make_unique<CHtmlHelpRef>();
        if (ref->Load(found.path))
            refs_.push_back(std::move(ref));
    }
}

CHtmlHelpRef* CHtmlHelpRefMgr::Built(CHtmlHelpRef* ref, bool buildIndex) {
    if (ref && buildIndex)
        ref->BuildIndex(dkCounter_);
    return ref;
}

CHtmlHelpRef* CHtmlHelpRefMgr::FindByName(std::string_view name, bool buildIndex) {
    for (const auto& ref : refs_)
        if (ref->Name() == name)
            return Built(ref.get(), buildIndex);
    return nullptr;
}

CHtmlHelpRef* CHtmlHelpRefMgr::DefaultForClass(int cls, bool buildIndex) {
    for (const auto& ref : refs_)
        if (ref->IsDefaultFor(cls))
            return Built(ref.get(), buildIndex);
    return Built(refs_.empty() ? nullptr : refs_.front().get(), buildIndex);
}

void CQuorHtmlHelpRefMgr::LoadSettings() {
    folder_ = settings_.GetString(Section, "CurrentFolder", "");
    if (folder_.empty() && useDefaultFolder_)
        folder_ = defaultFolder_;
    for (int cls = 0; cls < 2; ++cls) {
        defaultNames_[cls] = settings_.GetString(Section, ClassKey(cls), "");
        if (defaultNames_[cls].empty())
            if (const CHtmlHelpRef* ref = DefaultForClass(cls, false))
                defaultNames_[cls] = ref->Name();
    }
}

void CQuorHtmlHelpRefMgr::SaveSettings() {
    settings_.WriteString(Section, "CurrentFolder", folder_);
    for (int cls = 0; cls < 2; ++cls)
        settings_.WriteString(Section, ClassKey(cls), defaultNames_[cls]);
}

void CQuorHtmlHelpRefMgr::Start() {
    LoadSettings();
    Scan(folder_);
}

std::string CQuorHtmlHelpRefMgr::DefaultName(int cls) const {
    return cls == 0 || cls == 1 ? defaultNames_[cls] : std::string();
}

void CQuorHtmlHelpRefMgr::SetDefaultName(int cls, std::string name) {
    if (cls == 0 || cls == 1)
        defaultNames_[cls] = std::move(name);
}

void CQuorHtmlHelpRefMgr::SaveDefaultName(int cls) {
    if (cls == 0 || cls == 1)
        settings_.WriteString(Section, ClassKey(cls), defaultNames_[cls]);
}

void CQuorHtmlHelpRefMgr::BuildIndexAnnounced(CHtmlHelpRef& ref) {
    const bool building = !ref.IndexBuilt() && ref.IsIndexed();
    if (building && status)
        status("Creating help index for " + ref.Name() + " HTML reference...");
    BuildIndex(ref);
    if (building && status)
        status("");
}

CHtmlHelpRef* CQuorHtmlHelpRefMgr::ReferenceForClass(int cls, bool buildIndex) {
    if (cls == 0 || cls == 1)
        if (CHtmlHelpRef* named = FindByName(defaultNames_[cls], false))
            return Built(named, buildIndex);
    return DefaultForClass(cls, buildIndex);
}

std::optional<CQuorHtmlHelpRefMgr::Topic> CQuorHtmlHelpRefMgr::Lookup(int cls, std::string_view word) {
    CHtmlHelpRef* ref = ReferenceForClass(cls, false);
    if (!ref)
        return std::nullopt;
    BuildIndexAnnounced(*ref);
    const std::optional<CHtmlHelpRef::Answer> answer = ref->Lookup(word, cls);
    if (!answer || answer->file->Page().empty())
        return std::nullopt;
    return Topic{answer->file->Page(), answer->entry->anchor};
}

std::optional<CQuorHtmlHelpRefMgr::Topic> CQuorHtmlHelpRefMgr::Introduction(int cls) {
    CHtmlHelpRef* ref = ReferenceForClass(cls, false);
    if (!ref)
        return std::nullopt;
    BuildIndexAnnounced(*ref);
    if (std::optional<CHtmlHelpRef::Answer> answer = ref->Lookup("__introduction", -1))
        return Topic{answer->file->Page(), answer->entry->anchor};
    return std::nullopt;
}

std::optional<CQuorHtmlHelpRefMgr::PagePlace> CQuorHtmlHelpRefMgr::FindPage(const std::string& page) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path folder = fs::path(page).parent_path();
    for (const auto& ref : refs_) {
        // Index files stand beside their pages, in the set's own folder.
        if (!ref->IsIndexed() || !fs::equivalent(ref->Base(), folder, ec))
            continue;
        BuildIndexAnnounced(*ref);
        for (const auto& file : ref->Files())
            if (fs::equivalent(file->Page(), page, ec))
                return PagePlace{ref.get(), file.get()};
    }
    return std::nullopt;
}

std::string CQuorHtmlHelpRefMgr::LoadingPagePath() const {
    return JoinFolder(folder_, "loading.htm");
}

std::string ContextHelpUnavailable(std::string_view element, const CHtmlHelpRef* reference) {
    return "HTML Context Help for <" + std::string(element) + "> is not available" +
           (reference ? " in " + reference->Name() + "." : std::string(".")) +
           "\n\nSee the Help menu for alternative HTML reference information.";
}

} // namespace velto
