// Check Links: every link of every page below a site folder, resolved as a browser
// resolves it, and the problems found: links to missing files, fragments that name no id
// in their page, and (as information) files that no page links to. Remote addresses are
// listed, and fetched only when the caller hands a probe to ask web servers through.
#pragma once

#include "core/site/PageLinks.h"
#include "core/site/RemoteLinkCheck.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace velto {

struct LinkProblem {
    enum class Kind { Missing, Fragment, Orphan, Unreadable, RemoteBroken, RemoteNotChecked };
    Kind kind = Kind::Missing;
    std::string page;       // the page holding the link; for an orphan, the file itself
    std::size_t offset = 0; // in the page's text as the editor holds it
    int line = 0;
    int column = 0;
    std::string linkKind; // "href", "src", "url()" ...
    std::string url;      // as written (references decoded)
    std::string reason;   // for a remote address, why it is broken or was not checked
};

// "missing", "fragment", "orphan", "unreadable", "remote-broken", "remote-not-checked".
[[nodiscard]] std::string_view ProblemName(LinkProblem::Kind kind) noexcept;

struct LinkCheckResult {
    std::vector<LinkProblem> problems;    // by page in tree order, then by position
    std::vector<std::string> remoteLinks; // every distinct remote address, in order found
    std::size_t pages = 0;
    std::size_t links = 0;
    std::size_t remoteChecked = 0; // distinct remote addresses fetched
    bool stopped = false;
    [[nodiscard]] bool HasBrokenLinks() const noexcept;
};

class LinkCheck {
public:
    explicit LinkCheck(const LinkAttributes& attributes) : attributes_(attributes) {}
    // Makes Run also ask web servers about the site's remote addresses through probe, once
    // each; remoteProgress gets the addresses answered and their number.
    void CheckRemote(HttpProbe& probe, RemoteCheckOptions options = {},
                     std::function<void(std::size_t, std::size_t)> remoteProgress = {});
    // Checks every page below root. progress gets pages done and the total.
    LinkCheckResult Run(const std::string& root,
                        const std::function<void(std::size_t, std::size_t)>& progress = {},
                        const std::atomic<bool>* stop = nullptr) const;

private:
    struct RemoteUse;
    // Fetches the remote addresses and merges their problems into the pages' order.
    void AddRemoteProblems(const std::vector<std::string>& pages,
                           const std::vector<RemoteUse>& uses, LinkCheckResult& result,
                           const std::atomic<bool>* stop) const;

    const LinkAttributes& attributes_;
    HttpProbe* probe_ = nullptr;
    RemoteCheckOptions remoteOptions_;
    std::function<void(std::size_t, std::size_t)> remoteProgress_;
};

} // namespace velto
