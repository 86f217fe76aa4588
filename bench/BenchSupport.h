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

// Makes the QApplication the view benchmarks need (offscreen), once.
void EnsureQtApplication();

} // namespace velto::bench
