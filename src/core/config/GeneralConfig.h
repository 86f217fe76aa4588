// The general settings of section "Settings": colouring, menu limits, preview, recent files.
#pragma once

#include <string>

namespace velto {

class Profile;

class CGeneralConfig {
public:
    static constexpr const char* Section = "Settings";
    static constexpr const char* ShowHtmlCodesKey = "ElementPopertiesShowHtmlCodes";

    int maxColouringInsert = 5000;     // edits shorter than this are coloured at once
    int viewScanChunk = 4096;          // characters per background colouring step
    int templateMenuMaxItems = 15;
    int templateMenuMaxDepth = 3;
    int snippetsMenuMaxItems = 15;
    int snippetsMenuMaxDepth = 3;
    int scrollPreview = 0;
    int numberOfPreviewFiles = 10;     // clamped to 1..100
    int mruFiles = 8;
    int mruEntryWidth = 80;
    int elementPropertiesShowHtmlCodes = 1;
    std::string previewTmpFile = "~veltopv%d.htm";

    // Reads every key; a missing value keeps the default and an unusable one (a chunk size
    // below 1, a negative menu limit) falls back to it.
    void Load(const Profile& profile);
    bool Save(Profile& profile) const;
};

} // namespace velto
