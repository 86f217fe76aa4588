// The tag's items on the view's right-click menu: the tag under the caret is found and
// selected, its menu built by the knowledge base walk, and a chosen item executed on it as
// one undoable change.
#pragma once

#include "core/menu/MenuModel.h"
#include "core/tagassist/HMAttPopup.h"

#include <QPointer>

#include <memory>
#include <string>

namespace velto {

class CQuorApp;
class CQuorView;
class HtmlElementEd;

class TagPopupProvider {
public:
    explicit TagPopupProvider(CQuorApp& app);
    ~TagPopupProvider();
    TagPopupProvider(const TagPopupProvider&) = delete;
    TagPopupProvider& operator=(const TagPopupProvider&) = delete;

    // Appends the items of the tag at the view's caret, after a separator; nothing when
    // the caret is not in a tag the knowledge base knows.
    void Build(CQuorView& view, MenuModel& menu);
    // Runs an item the last Build added; false for any other id.
    bool Execute(CQuorView& view, int id);

    // The folder a document's links are read against.
    static std::string FolderOf(const CQuorView& view);

private:
    // The tag properties dialog for the tag of the menu; its edits as one change on OK.
    void OpenProperties(CQuorView& view);

    CQuorApp& app_;
    TagPopupContext context_;
    // The tag of the menu last built, kept until an item is chosen or the next build.
    QPointer<CQuorView> view_;
    std::unique_ptr<HtmlElementEd> tag_;
    std::unique_ptr<HMAttPopup> popup_;
    MenuModel items_;
};

} // namespace velto
