// Check Links over a site folder.
#include "core/site/LinkCheck.h"

#include "core/site/LinkTarget.h"
#include "core/site/RemoteAddress.h"
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
    case LinkProblem::Kind::RemoteBroken:
        return "remote-broken";
    case LinkProblem::Kind::RemoteNotChecked:
        return "remote-not-checked";
    }
    return "";
}

bool LinkCheckResult::HasBrokenLinks() const noexcept {
    return std::any_of(problems.begin(), problems.end(), [](const LinkProblem& p) {
        return p.kind == LinkProblem::Kind::Missing || p.kind == LinkProblem::Kind::Fragment ||
               p.kind == LinkProblem::Kind::RemoteBroken;
    });
}

// A remote link where it stands, with the address a request goes to.
struct LinkCheck::RemoteUse {
    std::size_t pageOrder = 0;
    LinkProblem where;
    std::string address;
};

void LinkCheck::CheckRemote(HttpProbe& probe, RemoteCheckOptions options,
                            std::function<void(std::size_t, std::size_t)> remoteProgress) {
    probe_ = &probe;
    remoteOptions_ = options;
    remoteProgress_ = std::move(remoteProgress);
}

void LinkCheck::AddRemoteProblems(const std::vector<std::string>& pages,
                                  const std::vector<RemoteUse>& uses, LinkCheckResult& result,
                                  const std::atomic<bool>* stop) const {
    std::vector<std::string> addresses;
    addresses.reserve(uses.size());
    for (const RemoteUse& use : uses)
        addresses.push_back(use.address);
    const std::vector<RemoteLinkStatus> answers =
        RemoteLinkCheck(*probe_, remoteOptions_).Run(addresses, remoteProgress_, stop);
    std::unordered_map<std::string, const RemoteLinkStatus*> byAddress;
    for (const RemoteLinkStatus& answer : answers) {
        byAddress.emplace(answer.url, &answer);
        if (answer.verdict == RemoteLinkStatus::Verdict::Ok ||
            answer.verdict == RemoteLinkStatus::Verdict::Broken)
            ++result.remoteChecked;
        if (answer.verdict == RemoteLinkStatus::Verdict::Stopped)
            result.stopped = true;
    }
    // Every link to a broken address is a problem where it stands, merged into the page
    // order the local problems are in.
    std::vector<std::pair<std::size_t, LinkProblem>> merged;
    std::unordered_map<std::string, std::size_t> orderOf;
    for (std::size_t n = 0; n < pages.size(); ++n)
        orderOf.emplace(pages[n], n);
    for (LinkProblem& p : result.problems) {
        const auto hit = orderOf.find(p.page);
        merged.emplace_back(hit == orderOf.end() ? 0 : hit->second, std::move(p));
    }
    for (const RemoteUse& use : uses) {
        const RemoteLinkStatus& answer = *byAddress.at(use.address);
        if (answer.verdict != RemoteLinkStatus::Verdict::Broken &&
            answer.verdict != RemoteLinkStatus::Verdict::NotChecked)
            continue;
        LinkProblem p = use.where;
        p.kind = answer.verdict == RemoteLinkStatus::Verdict::Broken
                     ? LinkProblem::Kind::RemoteBroken
                     : LinkProblem::Kind::RemoteNotChecked;
        p.reason = answer.reason;
        merged.emplace_back(use.pageOrder, std::move(p));
    }
    std::stable_sort(merged.begin(), merged.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.offset < b.second.offset;
    });
    result.problems.clear();
    for (auto& [order, p] : merged)
        result.problems.push_back(std::move(p));
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
    std::vector<RemoteUse> remoteUses;
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
                    {LinkProblem::Kind::Unreadable, path, 0, 0, 0, "", page.Error(), ""});
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
                if (probe_) {
                    // A relative link below a remote BASE leads to that site.
                    const std::string baseScheme = UrlScheme(links.base);
                    const bool belowBase = target.viaBase && UrlScheme(link.url).empty() &&
                                           (baseScheme == "http" || baseScheme == "https");
                    const std::string address =
                        belowBase ? ResolveAddress(links.base, link.url) : link.url;
                    const TextPosition at = lines.At(link.offset);
                    remoteUses.push_back({n,
                                          {LinkProblem::Kind::RemoteBroken, path, link.offset,
                                           at.line, at.column, link.kind, link.url, ""},
                                          address});
                }
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
                    {kind, path, link.offset, at.line, at.column, link.kind, link.url, ""});
            }
        }
    }
    if (progress)
        progress(pages.size(), pages.size());
    if (probe_ && !result.stopped)
        AddRemoteProblems(pages, remoteUses, result, stop);
    if (!result.stopped) {
        for (const std::string& file : CollectAllSiteFiles(root))
            if (!linked.contains(file) && !IsEntryPage(root, file))
                result.problems.push_back({LinkProblem::Kind::Orphan, file, 0, 0, 0, "", "", ""});
    }
    return result;
}

} // namespace velto
