// Check Links over a site folder.
#include "core/site/LinkCheck.h"

#include "core/site/LinkTarget.h"
#include "core/site/SiteFolder.h"
#include "core/site/SitePage.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

namespace velto {

namespace fs = std::filesystem;

namespace {
// What the check knows of a path it has looked at.
struct PathFacts {
    bool exists = false;
    bool folder = false;
};

class SiteIndex {
public:
    explicit SiteIndex(const LinkAttributes& attributes) : attributes_(attributes) {}

    PathFacts Facts(const std::string& path) {
        const auto hit = facts_.find(path);
        if (hit != facts_.end())
            return hit->second;
        std::error_code ec;
        const fs::file_status status = fs::status(path, ec);
        PathFacts facts{!ec && fs::exists(status), !ec && fs::is_directory(status)};
        facts_.emplace(path, facts);
        return facts;
    }

    // The ids of a page, read once; null when it cannot be read.
    const std::unordered_set<std::string>* Ids(const std::string& path) {
        auto hit = ids_.find(path);
        if (hit == ids_.end()) {
            std::unique_ptr<std::unordered_set<std::string>> ids;
            SitePage page;
            if (page.Read(path) == SitePage::Status::Text)
                ids = std::make_unique<std::unordered_set<std::string>>(
                    ExtractPageLinks(page.Text(), attributes_).ids);
            hit = ids_.emplace(path, std::move(ids)).first;
        }
        return hit->second.get();
    }
    void Remember(const std::string& path, std::unordered_set<std::string> ids) {
        ids_[path] = std::make_unique<std::unordered_set<std::string>>(std::move(ids));
    }

private:
    const LinkAttributes& attributes_;
    std::unordered_map<std::string, PathFacts> facts_;
    std::unordered_map<std::string, std::unique_ptr<std::unordered_set<std::string>>> ids_;
};

// A folder link serves the folder's index page, when it has one.
std::string IndexPageOf(SiteIndex& index, const std::string& folder) {
    const std::string base = folder.ends_with('/') ? folder : folder + '/';
    for (const char* name : {"index.html", "index.htm"})
        if (index.Facts(base + name).exists)
            return base + name;
    return {};
}

bool IsEntryPage(const std::string& root, const std::string& path) {
    const std::string base = root.ends_with('/') ? root : root + '/';
    return path == base + "index.html" || path == base + "index.htm";
}
} // namespace

std::string_view ProblemName(LinkProblem::Kind kind) noexcept {
    switch (kind) {
    case LinkProblem::Kind::Missing:
        return "missing";
    case LinkProblem::Kind::Fragment:
        return "fragment";
    case LinkProblem::Kind::Orphan:
        return "orphan";
    case LinkProblem::Kind::Unreadable:
        return "unreadable";
    }
    return "";
}

bool LinkCheckResult::HasBrokenLinks() const noexcept {
    return std::any_of(problems.begin(), problems.end(), [](const LinkProblem& p) {
        return p.kind == LinkProblem::Kind::Missing || p.kind == LinkProblem::Kind::Fragment;
    });
}

LinkCheckResult LinkCheck::Run(const std::string& rootIn,
                               const std::function<void(std::size_t, std::size_t)>& progress,
                               const std::atomic<bool>* stop) const {
    LinkCheckResult result;
    std::error_code ec;
    std::string root = NormalisePath(fs::absolute(rootIn, ec).string());
    while (root.size() > 1 && root.ends_with('/'))
        root.pop_back();
    const std::vector<std::string> pages = CollectSiteFiles(root, IncludePatterns(), stop);
    SiteIndex index(attributes_);
    std::unordered_set<std::string> linked;
    std::unordered_set<std::string> remoteSeen;
    SitePage page;
    for (std::size_t n = 0; n < pages.size(); ++n) {
        if (stop && stop->load(std::memory_order_relaxed)) {
            result.stopped = true;
            break;
        }
        const std::string& path = pages[n];
        if (progress)
            progress(n, pages.size());
        if (page.Read(path) != SitePage::Status::Text) {
            if (page.State() == SitePage::Status::Unreadable)
                result.problems.push_back(
                    {LinkProblem::Kind::Unreadable, path, 0, 0, 0, "", page.Error()});
            continue;
        }
        ++result.pages;
        const std::string_view text = page.Text();
        PageLinks links = ExtractPageLinks(text, attributes_);
        const LinkContext context{path, root, links.base};
        LineCounter lines(text);
        std::sort(links.links.begin(), links.links.end(),
                  [](const PageLink& a, const PageLink& b) { return a.offset < b.offset; });
        index.Remember(path, links.ids);
        for (const PageLink& link : links.links) {
            ++result.links;
            const LinkTarget target = ResolveLink(link.url, context);
            if (target.kind == LinkTarget::Kind::Remote) {
                if (remoteSeen.insert(link.url).second)
                    result.remoteLinks.push_back(link.url);
                continue;
            }
            if (target.kind != LinkTarget::Kind::Local)
                continue;
            LinkProblem::Kind kind = LinkProblem::Kind::Missing;
            bool broken = false;
            std::string file = target.path;
            const PathFacts facts = index.Facts(file);
            if (!facts.exists) {
                broken = true;
            } else {
                if (facts.folder) {
                    linked.insert(NormalisePath(file));
                    file = IndexPageOf(index, file);
                }
                if (!file.empty()) {
                    linked.insert(file);
                    // Only pages have ids to check; "#top" and "#" name the top of any page.
                    if (target.hasFragment && !target.fragment.empty() &&
                        target.fragment != "top" && SiteFileKindOf(file) == SiteFileKind::Page) {
                        const auto* ids = index.Ids(file);
                        if (ids && !ids->contains(target.fragment)) {
                            broken = true;
                            kind = LinkProblem::Kind::Fragment;
                        }
                    }
                }
            }
            if (broken) {
                const TextPosition at = lines.At(link.offset);
                result.problems.push_back(
                    {kind, path, link.offset, at.line, at.column, link.kind, link.url});
            }
        }
    }
    if (progress)
        progress(pages.size(), pages.size());
    if (!result.stopped) {
        for (const std::string& file : CollectAllSiteFiles(root))
            if (!linked.contains(file) && !IsEntryPage(root, file))
                result.problems.push_back({LinkProblem::Kind::Orphan, file, 0, 0, 0, "", ""});
    }
    return result;
}

} // namespace velto
