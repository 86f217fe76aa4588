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

namespace {

// A small deterministic generator, so that every run measures the same text.
class Words {
public:
    std::size_t Next(std::size_t n) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::size_t>(state_ >> 33) % n;
    }
    template <std::size_t N>
    const char* Pick(const char* const (&words)[N]) {
        return words[Next(N)];
    }

private:
    unsigned long long state_ = 42;
};

std::string StyleSheetText(std::size_t bytes, Words& w) {
    static const char* const selectors[] = {"body", ".note", "#main > p", "a:hover", "table.grid td",
                                            "ul li + li", "h1, h2", "input[type=\"text\"]"};
    static const char* const properties[] = {"color", "margin", "padding", "font-family", "border",
                                             "background", "width", "line-height"};
    static const char* const values[] = {"#336699", "0 auto", "4px 8px", "\"DejaVu Sans\", sans-serif",
                                         "1px solid rgb(200, 200, 200)", "url(img/bg.png) no-repeat",
                                         "50%", "1.4em", "none !important", "hsl(210, 50%, 40%)"};
    std::string css;
    while (css.size() < bytes) {
        if (w.Next(8) == 0)
            css += "/* section " + std::to_string(css.size()) + ": layout of the page */\n";
        const bool media = w.Next(20) == 0;
        if (media)
            css += "@media (max-width: 600px) {\n";
        css += w.Pick(selectors);
        css += " {\n";
        for (std::size_t i = 0, n = 2 + w.Next(5); i < n; ++i)
            css += std::string("  ") + w.Pick(properties) + ": " + w.Pick(values) + ";\n";
        css += media ? "}\n}\n" : "}\n";
    }
    return css;
}

std::string ScriptText(std::size_t bytes, Words& w) {
    static const char* const names[] = {"items", "count", "node", "value", "options", "result",
                                        "index", "text"};
    static const char* const lines[] = {
        "  const %1 = document.querySelectorAll(\"div.entry > a[href^='http']\");\n",
        "  let %1 = %2.length / 2 + 0x1F * 1.5e-3; // halve it\n",
        "  if (/^\\s*(\\d+)[.,]?$/g.test(%1)) { %2 += 1; }\n",
        "  %1.innerHTML = `<li class=\"${%2}\">${%2.map(x => `<b>${x}</b>`).join('')}</li>`;\n",
        "  /* the loop below walks every entry; ends with </b> in a comment */\n",
        "  for (let i = 0; i < %1.length; i++) { %2[i] = %1[i] !== null ? 'yes' : \"no\"; }\n",
        "  return %1 && typeof %2 === 'object' ? %1 : undefined;\n",
        "  %1 = (%2 + 1) / 3 / %1;\n"};
    std::string js;
    while (js.size() < bytes) {
        js += "function f" + std::to_string(js.size()) + "(" + w.Pick(names) + ", " + w.Pick(names) + ") {\n";
        for (std::size_t i = 0, n = 3 + w.Next(6); i < n; ++i) {
            std::string line = w.Pick(lines);
            for (const char* marker : {"%1", "%2"})
                for (std::size_t at; (at = line.find(marker)) != std::string::npos;)
                    line.replace(at, 2, w.Pick(names));
            js += line;
        }
        js += "}\n";
    }
    return js;
}

} // namespace

std::string ScriptedPage(std::size_t bytes) {
    std::string html = ReadCorpus("corpus-10mb.html");
    if (html.empty())
        html = ReadFile(std::string(VELTO_SOURCE_DIR) + "/data/sample.html");
    Words w;
    std::string page = "<!DOCTYPE html>\n<html><head><title>Scripted</title>\n<style>\n" +
                       StyleSheetText(256 * 1024, w) + "</style>\n</head><body>\n";
    std::size_t from = 0;
    while (page.size() < bytes) {
        page += "<script type=\"module\">\n" + ScriptText(ScriptBlockBytes, w) + "</script>\n";
        page += "<div class=\"x\" style=\"margin: 0 4px; color: #333\" onclick=\"go(this, 'a'); "
                "return false\">&copy; 2026 &amp; more</div>\n";
        // A megabyte of the HTML, cut at line ends.
        std::size_t to = std::min(html.size(), from + 1024 * 1024);
        to = html.rfind('\n', to) == std::string::npos || to == html.size() ? to : html.rfind('\n', to) + 1;
        if (to <= from) {
            from = 0;
            continue;
        }
        page.append(html, from, to - from);
        from = to >= html.size() ? 0 : to;
    }
    return page + "</body></html>\n";
}

std::size_t FirstScriptMiddle(const std::string& page) {
    const std::size_t start = page.find("<script");
    return start == std::string::npos ? page.size() / 2 : start + ScriptBlockBytes / 2;
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
