// Shared pieces of the benchmarks.
#include "BenchSupport.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#ifdef VELTO_BENCH_UI
#include <QApplication>
#endif

namespace velto::bench {

namespace {
std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
} // namespace

std::string ReadCorpus(const std::string& name) {
    const char* dir = std::getenv("VELTO_BENCH_CORPUS");
    return dir ? ReadFile(std::string(dir) + "/" + name) : std::string();
}

std::string HtmlOfSize(std::size_t bytes) {
    std::string unit = ReadCorpus("corpus-10mb.html");
    if (unit.empty())
        unit = ReadFile(std::string(VELTO_SOURCE_DIR) + "/data/sample.html");
    std::string out;
    out.reserve(bytes + unit.size());
    while (out.size() < bytes)
        out += unit;
    // Cut at a line end so the text stays well formed.
    const std::size_t cut = out.rfind('\n', bytes);
    out.resize(cut == std::string::npos ? bytes : cut + 1);
    return out;
}

void EnsureQtApplication() {
#ifdef VELTO_BENCH_UI
    static int argc = 1;
    static char name[] = "velto_bench";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);
#endif
}

} // namespace velto::bench
