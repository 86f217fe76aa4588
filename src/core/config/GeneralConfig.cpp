// The general settings of section "Settings".
#include "core/config/GeneralConfig.h"

#include "core/platform/Profile.h"

#include <algorithm>

namespace velto {

namespace {
// The number of recent files a menu can reasonably hold.
constexpr int MaxMruFiles = 16;

int AtLeast(int value, int minimum, int fallback) {
    return value < minimum ? fallback : value;
}
} // namespace

void CGeneralConfig::Load(const Profile& p) {
    const CGeneralConfig d;
    maxColouringInsert = p.GetInt(Section, "MaxColouringInsert", d.maxColouringInsert);
    viewScanChunk = AtLeast(p.GetInt(Section, "ViewScanChunk", d.viewScanChunk), 1,
                            d.viewScanChunk);
    templateMenuMaxItems = AtLeast(p.GetInt(Section, "TemplateMenuMaxItems", d.templateMenuMaxItems),
                                   0, d.templateMenuMaxItems);
    templateMenuMaxDepth = AtLeast(p.GetInt(Section, "TemplateMenuMaxDepth", d.templateMenuMaxDepth),
                                   0, d.templateMenuMaxDepth);
    snippetsMenuMaxItems = AtLeast(p.GetInt(Section, "SnippetsMenuMaxItems", d.snippetsMenuMaxItems),
                                   0, d.snippetsMenuMaxItems);
    snippetsMenuMaxDepth = AtLeast(p.GetInt(Section, "SnippetsMenuMaxDepth", d.snippetsMenuMaxDepth),
                                   0, d.snippetsMenuMaxDepth);
    scrollPreview = p.GetInt(Section, "Scroll Preview", d.scrollPreview);
    numberOfPreviewFiles =
        std::clamp(p.GetInt(Section, "Number Of Preview Files", d.numberOfPreviewFiles), 1, 100);
    mruFiles = std::clamp(p.GetInt(Section, "MruFiles", d.mruFiles), 0, MaxMruFiles);
    mruEntryWidth = AtLeast(p.GetInt(Section, "MruEntryWidth", d.mruEntryWidth), 0, d.mruEntryWidth);
    elementPropertiesShowHtmlCodes =
        p.GetInt(Section, ShowHtmlCodesKey, d.elementPropertiesShowHtmlCodes);
    previewTmpFile = p.GetString(Section, "PreviewTmpFile", d.previewTmpFile);
}

bool CGeneralConfig::Save(Profile& p) const {
    return p.WriteInt(Section, "MaxColouringInsert", maxColouringInsert) &&
           p.WriteInt(Section, "ViewScanChunk", viewScanChunk) &&
           p.WriteInt(Section, "TemplateMenuMaxItems", templateMenuMaxItems) &&
           p.WriteInt(Section, "TemplateMenuMaxDepth", templateMenuMaxDepth) &&
           p.WriteInt(Section, "SnippetsMenuMaxItems", snippetsMenuMaxItems) &&
           p.WriteInt(Section, "SnippetsMenuMaxDepth", snippetsMenuMaxDepth) &&
           p.WriteInt(Section, "Scroll Preview", scrollPreview) &&
           p.WriteInt(Section, "Number Of Preview Files", numberOfPreviewFiles) &&
           p.WriteInt(Section, "MruFiles", mruFiles) &&
           p.WriteInt(Section, "MruEntryWidth", mruEntryWidth) &&
           p.WriteInt(Section, ShowHtmlCodesKey, elementPropertiesShowHtmlCodes) &&
           p.WriteString(Section, "PreviewTmpFile", previewTmpFile);
}

} // namespace velto
