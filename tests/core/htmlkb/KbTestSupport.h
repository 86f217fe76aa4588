// A knowledge base over fresh configuration objects, and lookups that fail loudly.
#pragma once

#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velto::test {

class KbTest : public ::testing::Test {
protected:
    CHtmlConfig html;
    CEditorConfig editor;
    bool customColours = false;
    HtmlKnowledgeBase kb{html, editor, [this] { return customColours; }};

    // Puts exactly the named versions in the given set and rebuilds the filter.
    void Select(std::initializer_list<std::string_view> names,
                std::uint32_t state = VersionState::AnyOf) {
        for (HtmlVer& v : html.versions)
            v.state = 0;
        for (std::string_view n : names)
            if (!html.SetVersionState(std::string(n), state))
                throw std::invalid_argument("no version " + std::string(n));
        kb.RebuildAllowed();
    }

    const HtmlMetaElement& El(std::string_view name) const {
        const HtmlMetaElement* e = kb.FindElement(name);
        if (e == nullptr)
            throw std::out_of_range("no element " + std::string(name));
        return *e;
    }

    // An element's own attribute, by its stored plain name.
    const HtmlMetaAttBase& Att(std::string_view element, std::string_view name) const {
        for (const auto& a : El(element).OwnAttributes())
            if (a->Name() == name)
                return *a;
        throw std::out_of_range("no attribute " + std::string(name));
    }

    const HtmlMetaAttEnumVal& Val(std::string_view element, std::string_view att,
                                  std::string_view value) const {
        for (const auto& v : Att(element, att).Values())
            if (v->Name() == value)
                return *v;
        throw std::out_of_range("no value " + std::string(value));
    }

    const HtmlMetaAttShared& Shared(std::string_view name) const {
        for (const HtmlMetaAttShared* s : kb.SharedAttributes())
            if (s->Name() == name)
                return *s;
        throw std::out_of_range("no shared attribute " + std::string(name));
    }
};

} // namespace velto::test
