// The HTML pages of the generated reference, each as the bytes of one file.
#pragma once

#include <cstddef>
#include <string>

namespace velto {

class ReferenceModel;

namespace refpages {

// The page of one group of elements: a contents line, then one topic per element.
[[nodiscard]] std::string GroupPage(const ReferenceModel& model, std::size_t group);
// The first page: what the reference holds, the group pages, the version badges, and
// every element from A to Z.
[[nodiscard]] std::string IntroductionPage(const ReferenceModel& model);
// Every attribute name with links to the elements that have it.
[[nodiscard]] std::string AttributesPage(const ReferenceModel& model);
// The shared attributes and the scripting events.
[[nodiscard]] std::string CommonPage(const ReferenceModel& model);
// Shown while another page loads.
[[nodiscard]] std::string LoadingPage();

} // namespace refpages
} // namespace velto
