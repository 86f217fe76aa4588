// Fuzzes CTextConfigFile: any file must read to its end, and every key and value it gives
// must keep the reader's promises (no blanks in keys, trimmed values, no comments).
#include "FuzzFile.h"

#include "core/config/TextConfigFile.h"

#include <cstdlib>

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
void Check(bool condition) {
    if (!condition)
        std::abort();
}
void CheckTrimmed(const std::string& s) {
    Check(s.empty() || (!IsBlank(s.front()) && !IsBlank(s.back())));
    Check(s.find(';') == std::string::npos);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static velto::fuzz::ScratchFile file("text-config");
    const std::string& path = file.Write(data, size);
    velto::CTextConfigFile reader;

    // Every key in turn.
    Check(reader.Open(path));
    std::string key, value, firstKey, lastKey;
    while (reader.ReadNextKey(&key, &value)) {
        Check(!key.empty());
        for (const char c : key)
            Check(!IsBlank(c));
        CheckTrimmed(value);
        CheckTrimmed(reader.CurrentLine());
        if (firstKey.empty())
            firstKey = key;
        lastKey = key;
    }
    // A key read once is found from the top, and not again once it has been passed (unless
    // it occurs again later).
    if (!firstKey.empty()) {
        Check(reader.Open(path));
        std::string line;
        Check(reader.FindKey(firstKey, &value, &line));
        Check(line == reader.CurrentLine());
        Check(reader.FindKey(lastKey, &value) || lastKey == firstKey);
    }
    // Raw lines with empty ones kept.
    Check(reader.Open(path));
    reader.SetSkipEmptyLines(false);
    std::string line;
    while (reader.ReadLine(&line))
        CheckTrimmed(line);
    reader.Close();
    Check(!reader.ReadLine(&line));
    return 0;
}
