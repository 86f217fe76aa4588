// Editing options of section "Editor Configuration".
#include "core/config/EditorConfig.h"

#include "core/platform/Profile.h"

namespace velto {

void CEditorConfig::Load(const Profile& p) {
    const CEditorConfig d;
    auto flag = [&](const char* key, bool def) { return p.GetInt(Section, key, def ? 1 : 0) != 0; };
    insertHtmlLowerCase = flag("InsertHtmlLowerCase", d.insertHtmlLowerCase);
    insertInsertPathsLowerCase = flag("InsertInsertPathsLowerCase", d.insertInsertPathsLowerCase);
    insertRelativeFilePaths = flag("InsertRelativeFilePaths", d.insertRelativeFilePaths);
    autoSetImageSize = flag("AutoSetImageSize", d.autoSetImageSize);
    insertHtmlColourNames = flag("InsertHtmlColourNames", d.insertHtmlColourNames);
    autoCloseTags = flag("AutoCloseTags", d.autoCloseTags);
    autoCloseOptionalEndTags = flag("AutoCloseOptionalEndTags", d.autoCloseOptionalEndTags);
    completeAsYouType = flag("CompleteAsYouType", d.completeAsYouType);
    defaultEncoding = p.GetString(Section, "DefaultEncoding", d.defaultEncoding);
    fallbackEncoding = p.GetString(Section, "FallbackEncoding", d.fallbackEncoding);
}

bool CEditorConfig::Save(Profile& p) const {
    return p.WriteInt(Section, "InsertHtmlLowerCase", insertHtmlLowerCase) &&
           p.WriteInt(Section, "InsertInsertPathsLowerCase", insertInsertPathsLowerCase) &&
           p.WriteInt(Section, "InsertRelativeFilePaths", insertRelativeFilePaths) &&
           p.WriteInt(Section, "AutoSetImageSize", autoSetImageSize) &&
           p.WriteInt(Section, "InsertHtmlColourNames", insertHtmlColourNames) &&
           p.WriteInt(Section, "AutoCloseTags", autoCloseTags) &&
           p.WriteInt(Section, "AutoCloseOptionalEndTags", autoCloseOptionalEndTags) &&
           p.WriteInt(Section, "CompleteAsYouType", completeAsYouType) &&
           p.WriteString(Section, "DefaultEncoding", defaultEncoding) &&
           p.WriteString(Section, "FallbackEncoding", fallbackEncoding);
}

} // namespace velto
