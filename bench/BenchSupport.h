// Shared pieces of the benchmarks: the corpus files and a Qt application for view benchmarks.
#pragma once

#include <string>

namespace velto::bench {

// The bytes of a corpus file from $VELTO_BENCH_CORPUS (made by scripts/make-corpus), or
// empty when it is missing.
std::string ReadCorpus(const std::string& name);

// A test page of about `bytes` bytes: the 10 MB corpus repeated when it exists, else the
// shipped sample page repeated; deterministic either way.
std::string HtmlOfSize(std::size_t bytes);

// A page of about `bytes` bytes that holds large inline style sheets and scripts between
// the corpus's HTML (or the sample page's): a 256 KB style sheet in its head, and after
// every megabyte of HTML a script of ScriptBlockBytes, written here by the benchmark with
// the constructs real ones have (comments, strings, template literals, regular
// expressions, numbers), and elements with style and event handler attributes.
std::string ScriptedPage(std::size_t bytes);
inline constexpr std::size_t ScriptBlockBytes = 200 * 1024;
// The offset of the middle of the first script of a ScriptedPage.
std::size_t FirstScriptMiddle(const std::string& page);

// Makes the QApplication the view benchmarks need (offscreen), once.
void EnsureQtApplication();

} // namespace velto::bench
