// Value sets and attributes that several records of the living standard share.
#pragma once

#include "core/config/HtmlVer.h"

#include <cstdint>
#include <string_view>

namespace velto {

class KbBuilder;

inline constexpr std::uint32_t Html5Bit = VersionBits::Html5;

// A value, or an attribute of the current element, that only the living standard has.
void Html5Val(KbBuilder& b, std::string_view nameText, std::string_view label,
              std::string_view description);
void Html5Att(KbBuilder& b, std::string_view nameText, std::string_view label,
              std::uint32_t kindFlags, std::string_view description);

// Attributes with their values, added to the current element.
void CrossOriginAttribute(KbBuilder& b);
void ReferrerPolicyAttribute(KbBuilder& b);
void LoadingAttribute(KbBuilder& b);
void FetchPriorityAttribute(KbBuilder& b);
void BlockingAttribute(KbBuilder& b);
void IntegrityAttribute(KbBuilder& b);
void FormOwnerAttribute(KbBuilder& b);
// FORMACTION, FORMENCTYPE, FORMMETHOD, FORMNOVALIDATE and FORMTARGET of submit buttons.
void FormOverrideAttributes(KbBuilder& b);
void PopoverTargetAttributes(KbBuilder& b);
void AutocompleteAttribute(KbBuilder& b);
void PlaceholderAttribute(KbBuilder& b);
void RequiredAttribute(KbBuilder& b);
void MinLengthAttribute(KbBuilder& b);
void DirNameAttribute(KbBuilder& b);
// DOWNLOAD, PING and REFERRERPOLICY of links and areas.
void HyperlinkAttributes(KbBuilder& b);
// SRCSET and SIZES of images and picture sources.
void SrcsetAttributes(KbBuilder& b);

} // namespace velto
