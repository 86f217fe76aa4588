// Replace in Files: the changes listed before any file is written.
#include "core/site/ReplaceInFiles.h"

#include "core/site/SitePage.h"

namespace velto {

std::vector<TextEdit> PlanReplaceInText(std::string_view text, const TextSearch& search,
                                        std::string_view replacement) {
    std::vector<TextEdit> edits;
    const auto scratch = search.MakeScratch();
    LineCounter lines(text);
    std::size_t from = 0;
    while (auto m = search.Next(text, from, *scratch)) {
        TextEdit edit;
        edit.offset = m->offset;
        edit.length = m->length;
        edit.replacement = search.Expand(replacement, text, *scratch);
        edit.original.assign(text.substr(m->offset, m->length));
        const TextPosition at = lines.At(m->offset);
        edit.line = at.line;
        edit.column = at.column;
        const std::string_view line = lines.LineAround(m->offset);
        edit.lineText.assign(line);
        edit.matchInLine = m->offset - static_cast<std::size_t>(line.data() - text.data());
        edits.push_back(std::move(edit));
        from = m->offset + m->length;
    }
    return edits;
}

std::vector<FileEdits> PlanReplaceInFiles(const std::string& folder, const TextSearch& search,
                                          std::string_view replacement,
                                          const IncludePatterns& include,
                                          const std::atomic<bool>* stop,
                                          const PlanProgress& progress) {
    std::vector<FileEdits> plan;
    SitePage page;
    const std::vector<std::string> paths = CollectSiteFiles(folder, include, stop);
    std::size_t done = 0;
    for (const std::string& path : paths) {
        if (stop && stop->load(std::memory_order_relaxed))
            break;
        if (progress)
            progress(done++, paths.size());
        if (page.Read(path) != SitePage::Status::Text)
            continue;
        FileEdits file;
        file.edits = PlanReplaceInText(page.Text(), search, replacement);
        if (file.edits.empty())
            continue;
        file.path = path;
        file.plannedSize = page.Bytes().size();
        file.plannedHash = BytesHash(page.Bytes());
        plan.push_back(std::move(file));
    }
    return plan;
}

} // namespace velto
