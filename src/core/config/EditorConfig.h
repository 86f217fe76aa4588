// Editing options of section "Editor Configuration".
#pragma once

#include <string>

namespace velto {

class Profile;

class CEditorConfig {
public:
    static constexpr const char* Section = "Editor Configuration";

    bool insertHtmlLowerCase = false;       // element and attribute names inserted in lower case
    // Inserted file paths turned to lower case. Off by default: file names here are
    // case-sensitive, so a lowered path would no longer name the file.
    bool insertInsertPathsLowerCase = false;
    bool insertRelativeFilePaths = true;    // inserted file paths made relative to the document
    bool autoSetImageSize = true;           // inserting an image also sets WIDTH and HEIGHT
    bool insertHtmlColourNames = true;      // named colours inserted by name
    // Typing the '>' of a start tag inserts its end tag after the caret, and "</" completes
    // the end tag of the innermost open element.
    bool autoCloseTags = true;
    // ... also for elements whose end tag may be left out (P, LI, TD).
    bool autoCloseOptionalEndTags = false;
    // Typing "<" and a letter, a blank in a tag, "=" or "&" and a letter lists what may
    // follow; Ctrl+Space lists it whatever this says.
    bool completeAsYouType = true;
    // Encodings by name: new documents are saved in the first; a page that declares none
    // and is not UTF-8 is read in the second.
    std::string defaultEncoding = "UTF-8";
    std::string fallbackEncoding = "windows-1252";

    void Load(const Profile& profile);
    bool Save(Profile& profile) const;
};

} // namespace velto
