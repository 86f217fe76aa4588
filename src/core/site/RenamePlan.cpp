// Renaming or moving a file or folder of a site without breaking its links.
#include "core/site/RenamePlan.h"

#include "core/assist/InsertableUrl.h"
#include "core/site/LinkTarget.h"
#include "core/site/SiteFolder.h"
#include "core/site/SitePage.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace velto {

namespace fs = std::filesystem;

namespace {
std::string Absolute(const std::string& path) {
    std::error_code ec;
    std::string out = NormalisePath(fs::absolute(path, ec).string());
    while (out.size() > 1 && out.ends_with('/'))
        out.pop_back();
    return out;
}

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.rfind('/') + 1);
}

bool IsRewritable(std::string_view url) {
    // Links with a scheme, scheme-relative and same-page links do not depend on where
    // the page or its target stand.
    if (url.empty() || url[0] == '#' || url[0] == '?' || url.starts_with("//"))
        return false;
    const std::size_t colon = url.find(':');
    const std::size_t stop = url.find_first_of("/?#");
    return colon == std::string_view::npos || (stop != std::string_view::npos && stop < colon);
}

// The new text of a link's path part, or nothing when the link needs no change.
std::optional<std::string> NewLinkPath(const RenamePlan& plan, const std::string& root,
                                       const std::string& page, std::string_view url) {
    const LinkTarget target = ResolveLink(url, {page, root, ""});
    if (target.kind != LinkTarget::Kind::Local)
        return std::nullopt;
    const bool folderLink = target.path.size() > 1 && target.path.ends_with('/');
    const std::string oldTarget =
        folderLink ? target.path.substr(0, target.path.size() - 1) : target.path;
    std::error_code ec;
    if (!fs::exists(oldTarget, ec))
        return std::nullopt; // a broken link stays as it was
    const std::string newTarget = MovedPath(plan, oldTarget);
    const std::string newPage = MovedPath(plan, page);
    // Still right from the page's new place: nothing to do.
    const LinkTarget after = ResolveLink(url, {newPage, root, ""});
    const std::string afterPath = folderLink && after.path.size() > 1
                                      ? after.path.substr(0, after.path.size() - 1)
                                      : after.path;
    if (afterPath == newTarget)
        return std::nullopt;
    std::string path;
    if (url.starts_with('/')) {
        path = "/" + RelativePath(root + "/", newTarget);
    } else {
        path = RelativePath(FolderOf(newPage), newTarget);
        if (path.empty())
            path = "./";
    }
    if (folderLink && !path.ends_with('/'))
        path += '/';
    return PercentEncodePath(path);
}
} // namespace

std::string MovedPath(const RenamePlan& plan, const std::string& path) {
    if (path == plan.from)
        return plan.to;
    if (path.size() > plan.from.size() && path.starts_with(plan.from) &&
        path[plan.from.size()] == '/')
        return plan.to + path.substr(plan.from.size());
    return path;
}

RenamePlan PlanRename(const std::string& rootIn, const std::string& from, const std::string& to,
                      const LinkAttributes& attributes, const OpenPageText& openText) {
    RenamePlan plan;
    plan.from = Absolute(from);
    plan.to = Absolute(to);
    const std::string root = Absolute(rootIn);
    SitePage page;
    for (const std::string& path : CollectSiteFiles(root, IncludePatterns())) {
        const std::string* open = openText ? openText(path) : nullptr;
        if (!open && page.Read(path) != SitePage::Status::Text)
            continue;
        const std::string_view text = open ? std::string_view(*open) : page.Text();
        const PageLinks links = ExtractPageLinks(text, attributes);
        if (!links.base.empty()) {
            // Read against its BASE, a page's links do not follow it when it moves; those
            // that lead to what moves are left for the author.
            const bool touched =
                std::any_of(links.links.begin(), links.links.end(), [&](const PageLink& link) {
                    const LinkTarget target = ResolveLink(link.url, {path, root, links.base});
                    std::string t = target.path;
                    while (t.size() > 1 && t.ends_with('/'))
                        t.pop_back();
                    return target.kind == LinkTarget::Kind::Local && MovedPath(plan, t) != t;
                });
            if (touched || MovedPath(plan, path) != path)
                plan.skippedPages.push_back(path);
            continue;
        }
        FileEdits file;
        LineCounter lines(text);
        std::vector<PageLink> sorted = links.links;
        std::sort(sorted.begin(), sorted.end(),
                  [](const PageLink& a, const PageLink& b) { return a.offset < b.offset; });
        for (const PageLink& link : sorted) {
            if (!IsRewritable(link.url))
                continue;
            const std::optional<std::string> newPath = NewLinkPath(plan, root, path, link.url);
            if (!newPath)
                continue;
            // The query and fragment stay as they were written.
            const std::string_view written = text.substr(link.offset, link.length);
            const std::size_t rest = std::min(written.find_first_of("?#"), written.size());
            TextEdit edit;
            edit.offset = link.offset;
            edit.length = rest;
            edit.replacement = *newPath;
            edit.original.assign(written.substr(0, rest));
            const TextPosition at = lines.At(link.offset);
            edit.line = at.line;
            edit.column = at.column;
            const std::string_view line = lines.LineAround(link.offset);
            edit.lineText.assign(line);
            edit.matchInLine =
                link.offset - static_cast<std::size_t>(line.data() - text.data());
            file.edits.push_back(std::move(edit));
        }
        if (file.edits.empty())
            continue;
        file.path = path;
        if (!open) {
            file.plannedSize = page.Bytes().size();
            file.plannedHash = BytesHash(page.Bytes());
        }
        plan.edits.push_back(std::move(file));
    }
    return plan;
}

bool ApplyRename(const RenamePlan& plan, WriteSummary& summary, std::string& error) {
    std::error_code ec;
    if (fs::symlink_status(plan.to, ec).type() != fs::file_type::not_found) {
        error = plan.to + ": already exists";
        return false;
    }
    // Moving into a folder that is not there yet makes it.
    fs::create_directories(fs::path(plan.to).parent_path(), ec);
    // rename() would replace an empty folder or a file of the same name; the check above
    // keeps it from ever replacing anything.
    if (std::rename(plan.from.c_str(), plan.to.c_str()) != 0) {
        error = plan.from + ": " + std::strerror(errno);
        return false;
    }
    std::vector<FileEdits> moved = plan.edits;
    for (FileEdits& file : moved)
        file.path = MovedPath(plan, file.path);
    summary = WriteFileEdits(moved);
    return true;
}

} // namespace velto
