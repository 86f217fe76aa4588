// Writing the editor's own HTML reference set, made from the knowledge base: the
// description file, the loading page, and a folder of pages each with its index file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velto {

class HtmlKnowledgeBase;

// The reference's name; also the name of its description file (with ".cfg") and of the
// folder that holds its pages.
inline constexpr std::string_view GeneratedReferenceName = "Velto HTML Reference";
// The page the reference window shows while another loads, beside the description file.
inline constexpr std::string_view ReferenceLoadingPage = "loading.htm";
// The index keyword of a reference's introduction topic.
inline constexpr std::string_view IntroductionKeyword = "__introduction";

struct ReferenceFile {
    std::string path; // relative to the output folder, folders separated by '/'
    std::string bytes;
};

// Every file of the reference set in a fixed order: the description file, the loading
// page, then in the reference's folder each page followed by its index. The same
// knowledge base always gives the same bytes.
[[nodiscard]] std::vector<ReferenceFile> MakeReferenceFiles(const HtmlKnowledgeBase& kb);

// Writes the files below outDir, making the folders it needs, each through a temporary
// file beside it and a rename. Pages and index files that an earlier run left in the
// reference's folder and that this set no longer has are removed, so no stale index
// answers a lookup. On failure says which file and why in error and returns false.
[[nodiscard]] bool WriteReferenceFiles(const std::vector<ReferenceFile>& files,
                                       const std::string& outDir, std::string& error);

// MakeReferenceFiles then WriteReferenceFiles.
[[nodiscard]] bool GenerateReference(const HtmlKnowledgeBase& kb, const std::string& outDir,
                                     std::string& error);

} // namespace velto
