// The file types the desktop is told Velto opens against the types its File Open dialog lists.
#include "core/document/FileFilters.h"

#include "core/fakes/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>
#include <set>
#include <sstream>

using namespace velto;

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// Each glob of the shipped MIME definitions with the type it belongs to.
std::map<std::string, std::string> GlobTypes() {
    const std::string xml = test::ReadFile(VELTO_SOURCE_DIR "/dist/velto-mime.xml");
    std::map<std::string, std::string> types;
    const std::regex typeBlock(R"re(<mime-type\s+type="([^"]+)"\s*>([\s\S]*?)</mime-type>)re");
    const std::regex glob(R"re(<glob\s+pattern="([^"]+)")re");
    for (std::sregex_iterator t(xml.begin(), xml.end(), typeBlock), end; t != end; ++t) {
        const std::string body = (*t)[2];
        for (std::sregex_iterator g(body.begin(), body.end(), glob); g != end; ++g)
            types[Lower((*g)[1])] = (*t)[1];
    }
    return types;
}

// The types the desktop entry's MimeType key names.
std::set<std::string> DesktopEntryTypes() {
    std::istringstream entry(test::ReadFile(VELTO_SOURCE_DIR "/dist/velto.desktop"));
    std::set<std::string> types;
    for (std::string line; std::getline(entry, line);) {
        if (line.rfind("MimeType=", 0) != 0)
            continue;
        std::istringstream list(line.substr(9));
        for (std::string type; std::getline(list, type, ';');)
            if (!type.empty())
                types.insert(type);
    }
    return types;
}

// Every pattern of the File Open dialog that names a kind of page (not "*.*").
std::set<std::string> OpenDialogPatterns() {
    std::set<std::string> patterns;
    auto add = [&](const std::string& list) {
        std::istringstream in(list);
        for (std::string p; std::getline(in, p, ';');)
            if (p != "*.*")
                patterns.insert(Lower(p));
    };
    for (const FileFilter& f : FixedFileFilters())
        add(f.pattern);
    for (const DocumentType& t : DocumentTypes())
        add("*" + t.extension);
    return patterns;
}

} // namespace

TEST(RegisteredFileTypes, EveryPageTheOpenDialogListsOpensWithVelto) {
    const std::map<std::string, std::string> globs = GlobTypes();
    const std::set<std::string> desktop = DesktopEntryTypes();
    ASSERT_FALSE(globs.empty());
    ASSERT_TRUE(desktop.count("text/html"));
    for (const std::string& pattern : OpenDialogPatterns()) {
        const auto type = globs.find(pattern);
        ASSERT_NE(type, globs.end()) << pattern << " has no glob in dist/velto-mime.xml";
        EXPECT_TRUE(desktop.count(type->second))
            << pattern << " is " << type->second << ", which dist/velto.desktop does not list";
    }
}

TEST(RegisteredFileTypes, NothingIsClaimedThatTheOpenDialogDoesNotList) {
    const std::set<std::string> patterns = OpenDialogPatterns();
    std::set<std::string> typesOfGlobs;
    for (const auto& [glob, type] : GlobTypes()) {
        EXPECT_TRUE(patterns.count(glob)) << glob << " is not a File Open pattern";
        typesOfGlobs.insert(type);
    }
    for (const std::string& type : DesktopEntryTypes())
        EXPECT_TRUE(typesOfGlobs.count(type)) << type << " has no glob of a File Open pattern";
}
