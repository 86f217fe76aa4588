// Find in Files over the pages below a folder.
#include "core/site/FindInFiles.h"

#include "core/site/SitePage.h"

namespace velto {

std::vector<FoundMatch> FindInFiles::MatchesIn(std::string_view text,
                                               TextSearch::Scratch& scratch) const {
    std::vector<FoundMatch> matches;
    LineCounter lines(text);
    std::size_t from = 0;
    while (auto m = search_.Next(text, from, scratch)) {
        FoundMatch found;
        found.offset = m->offset;
        found.length = m->length;
        const TextPosition at = lines.At(m->offset);
        found.line = at.line;
        found.column = at.column;
        const std::string_view line = lines.LineAround(m->offset);
        found.lineText.assign(line);
        found.matchInLine = static_cast<std::size_t>(line.data() - text.data()) <= m->offset
                                ? m->offset - static_cast<std::size_t>(line.data() - text.data())
                                : 0;
        matches.push_back(std::move(found));
        from = m->offset + m->length;
    }
    return matches;
}

FindProgress FindInFiles::Run(const std::string& folder, const FileFound& found,
                              const Progress& progress, const std::atomic<bool>* stop) const {
    FindProgress totals;
    const std::vector<std::string> files = CollectSiteFiles(folder, include_, stop);
    totals.filesTotal = files.size();
    const auto scratch = search_.MakeScratch();
    SitePage page;
    for (const std::string& path : files) {
        if (stop && stop->load(std::memory_order_relaxed)) {
            totals.stopped = true;
            break;
        }
        switch (page.Read(path)) {
        case SitePage::Status::Unreadable:
            totals.unreadable.push_back(page.Error());
            break;
        case SitePage::Status::Binary:
            ++totals.binarySkipped;
            break;
        case SitePage::Status::Text: {
            FileMatches result;
            result.matches = MatchesIn(page.Text(), *scratch);
            if (!result.matches.empty()) {
                totals.matches += result.matches.size();
                result.path = path;
                result.encoding = page.Decoded().encoding.Label();
                if (found)
                    found(std::move(result));
            }
            break;
        }
        }
        ++totals.filesDone;
        if (progress)
            progress(totals);
    }
    totals.hitLimit = TextSearch::HitLimit(*scratch);
    return totals;
}

} // namespace velto
