// Check Links on the results dock's worker thread.
#include "ui/site/LinkCheckRun.h"

#include "core/site/LinkCheck.h"
#include "ui/platform/CurlHttpProbe.h"

#include <QCoreApplication>

namespace velto {

namespace {
QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Tr(const char* text) {
    return QCoreApplication::translate("LinkCheckRun", text);
}

// One group a page, in the order the check met them; the files no page links to at the end.
std::size_t PostProblems(const LinkCheckResult& result, const SiteResultsDock::Feed& feed) {
    std::vector<SiteResultRow> rows;
    std::string page;
    std::vector<SiteResultRow> orphans;
    auto flush = [&] {
        if (!rows.empty())
            feed.file(QString::fromStdString(page), std::move(rows));
        rows.clear();
    };
    for (const LinkProblem& p : result.problems) {
        SiteResultRow row;
        if (p.kind == LinkProblem::Kind::Orphan) {
            row.text = Tr("no page links to %1").arg(QString::fromStdString(p.page));
            orphans.push_back(std::move(row));
            continue;
        }
        if (p.page != page)
            flush();
        page = p.page;
        row.line = p.line;
        row.column = p.column;
        row.text = FromUtf8(ProblemName(p.kind)) + QStringLiteral(": ") + FromUtf8(p.url);
        if (!p.reason.empty())
            row.text += QStringLiteral(" (") + FromUtf8(p.reason) + QLatin1Char(')');
        row.offset = static_cast<int>(p.offset);
        row.length = static_cast<int>(p.url.size());
        rows.push_back(std::move(row));
    }
    flush();
    const std::size_t orphanCount = orphans.size();
    if (!orphans.empty())
        feed.file(Tr("Files no page links to"), std::move(orphans));
    return orphanCount;
}
} // namespace

QString RunLinkCheck(const std::string& root, const HtmlKnowledgeBase* kb, bool remote,
                     const SiteResultsDock::Feed& feed) {
    const LinkAttributes attributes(kb);
    LinkCheck check(attributes);
    CurlHttpProbe probe;
    if (remote)
        check.CheckRemote(probe, {}, [&](std::size_t done, std::size_t total) {
            if (feed.stage && done == 0)
                feed.stage(Tr("%v of %m addresses"));
            feed.progress(static_cast<int>(done), static_cast<int>(total));
        });
    if (feed.stage)
        feed.stage(Tr("%v of %m pages"));
    const LinkCheckResult result = check.Run(
        root,
        [&](std::size_t done, std::size_t total) {
            feed.progress(static_cast<int>(done), static_cast<int>(total));
        },
        feed.stop);
    const std::size_t orphanCount = PostProblems(result, feed);
    QString summary = Tr("%1 links in %2 pages, %3 problems, %4 files unlinked")
                          .arg(result.links)
                          .arg(result.pages)
                          .arg(result.problems.size() - orphanCount)
                          .arg(orphanCount);
    if (remote)
        summary += Tr(", %1 of %2 remote addresses checked")
                       .arg(result.remoteChecked)
                       .arg(result.remoteLinks.size());
    else if (!result.remoteLinks.empty())
        summary += Tr(", %1 remote addresses not checked").arg(result.remoteLinks.size());
    if (result.stopped)
        summary += Tr(" (stopped)");
    return summary;
}

} // namespace velto
