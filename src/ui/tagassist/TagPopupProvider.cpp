// The tag's items on the view's right-click menu.
#include "ui/tagassist/TagPopupProvider.h"

#include "core/assist/InsertableUrl.h"
#include "core/tagassist/HMAttPopup.h"
#include "core/config/GeneralConfig.h"
#include "core/platform/Profile.h"
#include "core/tagassist/HtmlElementEd.h"
#include "core/tagassist/TagProperties.h"
#include "ui/app/CQuorApp.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorView.h"
#include "ui/document/ScintillaTextControl.h"
#include "ui/tagassist/CTagProperties.h"
#include "ui/tagassist/QtTagAssistant.h"

namespace velto {

TagPopupProvider::TagPopupProvider(CQuorApp& app) : app_(app) {}

TagPopupProvider::~TagPopupProvider() = default;

std::string TagPopupProvider::FolderOf(const CQuorView& view) {
    const CQuorDoc* doc = view.GetDocument();
    return DocumentFolder(doc ? doc->PathName().toStdString() : std::string());
}

void TagPopupProvider::Build(CQuorView& view, MenuModel& menu) {
    popup_.reset();
    tag_.reset();
    items_ = MenuModel();
    view_ = &view;
    if (!app_.HasKnowledgeBase())
        return;
    tag_ = std::make_unique<HtmlElementEd>(app_.KnowledgeBase(), view.Control());
    if (!tag_->FindTagAtCaret())
        return;
    // The menu is about the whole tag, and shows it so.
    view.SetSelection(tag_->First(), tag_->PastEnd());
    context_ = TagPopupContext{&app_.CustomColours(), FolderOf(view), true};
    popup_ = std::make_unique<HMAttPopup>(app_.KnowledgeBase(), *tag_, context_);
    popup_->BuildMenu(items_);
    if (items_.Empty())
        return;
    if (!menu.Empty() && !items_.Items().front().IsSeparator())
        menu.AddSeparator();
    for (const MenuItem& item : items_.Items())
        menu.Add(item);
}

bool TagPopupProvider::Execute(CQuorView& view, int id) {
    if (!popup_ || view_ != &view || !items_.Find(id))
        return false;
    if (popup_->IsPropertiesCommand(id)) {
        OpenProperties(view);
        return true;
    }
    QtTagAssistant assistant(app_, &view);
    view.EditAsOneChange([&] { popup_->Execute(id, assistant); });
    tag_->Cleanup();
    return true;
}

void TagPopupProvider::OpenProperties(CQuorView& view) {
    TagProperties model(app_.KnowledgeBase(), *tag_, context_);
    CGeneralConfig& general = app_.General();
    CTagProperties dialog(model, app_, general.elementPropertiesShowHtmlCodes != 0, &view);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    general.elementPropertiesShowHtmlCodes = dialog.ShowHtmlCodes() ? 1 : 0;
    app_.GetProfile().WriteInt(CGeneralConfig::Section, CGeneralConfig::ShowHtmlCodesKey,
                               general.elementPropertiesShowHtmlCodes);
    // The edits reach the document once, as one change; Cancel leaves it as it was.
    if (accepted && model.Changed())
        view.EditAsOneChange([&] { model.Apply(); });
}

} // namespace velto
