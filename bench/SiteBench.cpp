// Site work: Find in Files over a generated site of 5,000 pages (100 MB), against
// `grep -r` on the same files run from the same benchmark, and Check Links over 1,200
// generated pages that link to each other, their images and their headings.
#include "BenchSupport.h"

#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/site/FindInFiles.h"
#include "core/site/LinkCheck.h"
#include "core/site/SiteFolder.h"

#include <benchmark/benchmark.h>

#ifdef VELTO_BENCH_UI
#include "ui/site/SiteDock.h"

#include <QApplication>
#include <QTreeWidget>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace velto::bench {
namespace {

namespace fs = std::filesystem;

constexpr int FindFiles = 5000;
constexpr std::size_t FindFileBytes = 20 * 1024; // 5,000 x 20 KB = 100 MB
constexpr int LinkPages = 1200;

// A folder under the temporary folder, removed at exit.
struct BenchFolder {
    fs::path path =
        fs::temp_directory_path() / ("velto-bench-site-" + std::to_string(std::random_device()()));
    ~BenchFolder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

void WriteFile(const fs::path& path, std::string_view bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// 5,000 pages in 50 folders, each a different 20 KB piece of the corpus; every 25th holds
// the word looked for.
const fs::path& FindSite() {
    static BenchFolder folder;
    static const bool made = [] {
        const std::string text = HtmlOfSize(8 * 1024 * 1024);
        for (int i = 0; i < FindFiles; ++i) {
            const std::size_t from =
                (static_cast<std::size_t>(i) * 7919 * 13) % (text.size() - FindFileBytes);
            std::string page = text.substr(from, FindFileBytes);
            if (i % 25 == 0)
                page.insert(page.size() / 2, " Quodlibetarian ");
            WriteFile(folder.path / ("part" + std::to_string(i % 50)) /
                          ("page" + std::to_string(i) + ".html"),
                      page);
        }
        return true;
    }();
    (void)made;
    return folder.path;
}

void RunFind(benchmark::State& state, SearchOptions options) {
    const fs::path& site = FindSite();
    std::string error;
    const auto search = TextSearch::Compile(options, error);
    std::size_t matches = 0;
    for (auto _ : state) {
        matches = 0;
        const FindProgress totals =
            FindInFiles(*search, IncludePatterns()).Run(site.string(), [&](FileMatches&& m) {
                matches += m.matches.size();
                benchmark::DoNotOptimize(m);
            });
        benchmark::DoNotOptimize(totals);
    }
    state.counters["matches"] = static_cast<double>(matches);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * FindFiles * FindFileBytes));
}

void BM_Site_Find100MB(benchmark::State& state) {
    RunFind(state, {"quodlibetarian"});
}
BENCHMARK(BM_Site_Find100MB)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Site_FindRegex100MB(benchmark::State& state) {
    RunFind(state, {"quod[a-z]+tarian", true});
}
BENCHMARK(BM_Site_FindRegex100MB)->Unit(benchmark::kMillisecond)->UseRealTime();

// grep over the same files, started the same way for each iteration; its process start
// (a millisecond or two) is part of its time.
void RunGrep(benchmark::State& state, const std::string& flags) {
    const std::string command = "grep -r -n " + flags + " --include='*.html' quodlibetarian '" +
                                FindSite().string() + "' > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) == -1)
            state.SkipWithError("grep could not be started");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * FindFiles * FindFileBytes));
}

void BM_Site_GrepR100MB(benchmark::State& state) {
    RunGrep(state, "-i -F");
}
BENCHMARK(BM_Site_GrepR100MB)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Site_GrepRRegex100MB(benchmark::State& state) {
    RunGrep(state, "-i -E");
}
BENCHMARK(BM_Site_GrepRRegex100MB)->Unit(benchmark::kMillisecond)->UseRealTime();

// 1,200 pages in 24 folders, each with 40 links: to pages in its own and other folders,
// to headings in them, to images (every 50th missing) and a style sheet.
const fs::path& LinkSite() {
    static BenchFolder folder;
    static const bool made = [] {
        const std::string filler = HtmlOfSize(64 * 1024);
        for (int i = 0; i < LinkPages; ++i) {
            std::string page =
                "<html><head><link rel=stylesheet href=\"../site.css\"></head><body>\n";
            for (int h = 0; h < 10; ++h)
                page += "<h2 id=\"s" + std::to_string(h) + "\">Section</h2>\n";
            for (int l = 0; l < 40; ++l) {
                const int target = (i * 31 + l * 17) % LinkPages;
                page += "<p><a href=\"../f" + std::to_string(target % 24) + "/p" +
                        std::to_string(target) + ".html#s" + std::to_string(l % 10) +
                        "\">link</a> <img src=\"../img/i" +
                        std::to_string((i + l) % (l % 50 == 0 ? 1000 : 200)) + ".png\"></p>\n";
            }
            page +=
                filler.substr((static_cast<std::size_t>(i) * 977) % (filler.size() - 8192), 8192);
            page += "</body></html>\n";
            WriteFile(folder.path / ("f" + std::to_string(i % 24)) /
                          ("p" + std::to_string(i) + ".html"),
                      page);
        }
        for (int i = 0; i < 200; ++i)
            WriteFile(folder.path / "img" / ("i" + std::to_string(i) + ".png"), "PNG");
        WriteFile(folder.path / "site.css", "body { background: url(img/i0.png) }");
        return true;
    }();
    (void)made;
    return folder.path;
}

void BM_Site_LinkCheck1200Pages(benchmark::State& state) {
    const fs::path& site = LinkSite();
    CHtmlConfig html;
    const CEditorConfig editor;
    HtmlKnowledgeBase kb(html, editor);
    kb.RebuildAllowed();
    const LinkAttributes attributes(&kb);
    std::size_t links = 0, problems = 0;
    for (auto _ : state) {
        const LinkCheckResult result = LinkCheck(attributes).Run(site.string());
        links = result.links;
        problems = result.problems.size();
    }
    state.counters["links"] = static_cast<double>(links);
    state.counters["problems"] = static_cast<double>(problems);
}
BENCHMARK(BM_Site_LinkCheck1200Pages)->Unit(benchmark::kMillisecond)->UseRealTime();

// A folder of 50,000 files (pages, images, style sheets and others) and 100 folders: what
// the Site dock reads when it shows that folder (folders below are read when opened).
const fs::path& WideFolder() {
    static BenchFolder folder;
    static const bool made = [] {
        static constexpr const char* Kinds[] = {".html", ".png", ".css", ".txt", ".js"};
        fs::create_directories(folder.path);
        for (int i = 0; i < 50000; ++i)
            std::ofstream(folder.path / ("file" + std::to_string(i * 7919 % 50000) + Kinds[i % 5]));
        for (int i = 0; i < 100; ++i)
            fs::create_directories(folder.path / ("folder" + std::to_string(i)));
        return true;
    }();
    (void)made;
    return folder.path;
}

void BM_Site_ReadFolder50000Files(benchmark::State& state) {
    const fs::path& folder = WideFolder();
    std::size_t entries = 0;
    for (auto _ : state) {
        const std::vector<SiteEntry> read = ReadSiteFolder(folder.string());
        entries = read.size();
        benchmark::DoNotOptimize(read);
    }
    state.counters["entries"] = static_cast<double>(entries);
}
BENCHMARK(BM_Site_ReadFolder50000Files)->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef VELTO_BENCH_UI
// The same folder shown in the Site dock, until its tree is painted: the event loop's
// pause when such a folder is opened.
void BM_UiSite_ShowFolder50000Files(benchmark::State& state) {
    const fs::path& folder = WideFolder();
    EnsureQtApplication();
    SiteDock dock(nullptr);
    dock.resize(300, 700);
    dock.show();
    auto* tree = dock.findChild<QTreeWidget*>();
    for (auto _ : state) {
        dock.SetFolder(QString::fromStdString(folder.string()));
        tree->viewport()->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        state.counters["rows"] = tree->topLevelItemCount();
        dock.SetFolder({});
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UiSite_ShowFolder50000Files)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

} // namespace
} // namespace velto::bench
