// The reference manager: every reference set of the reference folder, the one that
// answers each class of lookups, and the lookups of context help.
#pragma once

#include "core/reference/CHtmlHelpRef.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velto {

class Profile;

class CHtmlHelpRefMgr {
public:
    // Loads every description file of the folder (not its sub-folders) that matches the
    // pattern, in name order; the valid ones are kept.
    void Scan(const std::string& folder, const std::string& pattern = "*.cfg");

    // The first reference with exactly this name.
    CHtmlHelpRef* FindByName(std::string_view name, bool buildIndex);
    // The first reference marked default for the class, else the first of all.
    CHtmlHelpRef* DefaultForClass(int cls, bool buildIndex);

    [[nodiscard]] const std::vector<std::unique_ptr<CHtmlHelpRef>>& References() const noexcept { return refs_; }
    void BuildIndex(CHtmlHelpRef& ref) { ref.BuildIndex(dkCounter_); }

protected:
    CHtmlHelpRef* Built(CHtmlHelpRef* ref, bool buildIndex);

    std::vector<std::unique_ptr<CHtmlHelpRef>> refs_;
    int dkCounter_ = 0; // numbers the unnamed topics of every index
};

// The editor's manager: the folder and the default names kept in the settings.
class CQuorHtmlHelpRefMgr : public CHtmlHelpRefMgr {
public:
    struct Topic {
        std::string page;
        std::string anchor;
    };
    // A page waiting to be shown while the reference window shows its loading page.
    struct PendingRequest {
        bool pending = false;
        std::string page;
        std::string anchor;
    };

    // defaultFolder is used while "CurrentFolder" is empty.
    CQuorHtmlHelpRefMgr(Profile& settings, std::string defaultFolder)
        : settings_(settings), defaultFolder_(std::move(defaultFolder)) {}

    // "CurrentFolder", "Default For Class 0" and "Default For Class 1" of "Velto HTML
    // Help"; an empty name becomes the default reference's for that class.
    void LoadSettings();
    void SaveSettings();
    // Loads the settings and scans the folder (start-up).
    void Start();

    [[nodiscard]] const std::string& Folder() const noexcept { return folder_; }
    void SetFolder(std::string folder) { folder_ = std::move(folder); }
    [[nodiscard]] std::string DefaultName(int cls) const;
    void SetDefaultName(int cls, std::string name);
    // Writes only the class's "Default For Class" key (a choice made outside the options).
    void SaveDefaultName(int cls);

    // The reference named for the class, else the default one for it.
    CHtmlHelpRef* ReferenceForClass(int cls, bool buildIndex);

    // The page and anchor of a word's topic. status is told "Creating help index for %s
    // HTML reference..." while an index is first built, then an empty text.
    std::optional<Topic> Lookup(int cls, std::string_view word);
    // The introduction of the class's reference (its index built, with the same texts).
    std::optional<Topic> Introduction(int cls);
    [[nodiscard]] std::string LoadingPagePath() const;

    // The reference set a page belongs to and its index file: the set whose folder holds
    // the page, its index built (with the same texts) when needed. Nothing for a page of
    // no set, or one its set's index does not list.
    struct PagePlace {
        CHtmlHelpRef* reference;
        const CHtmlHelpRefFile* file;
    };
    std::optional<PagePlace> FindPage(const std::string& page);

    std::function<void(const std::string& text)> status;
    PendingRequest pendingRequest;

private:
    // Builds the reference's index, telling status while it does.
    void BuildIndexAnnounced(CHtmlHelpRef& ref);

    Profile& settings_;
    std::string defaultFolder_;
    bool useDefaultFolder_ = true;
    std::string folder_;
    std::string defaultNames_[2];
};

// The message of context help that found no topic for an element.
[[nodiscard]] std::string ContextHelpUnavailable(std::string_view element, const CHtmlHelpRef* reference);
inline constexpr const char* OutsideTagMessage =
    "The cursor must be inside the '<' and '>' of an HTML tag for HTML Context Help to work.\n\n"
    "See the Help menu for HTML reference information.";

} // namespace velto
