// The preview commands and the Help menu's web sites.
#include "ui/preview/PreviewCommands.h"

#include "core/menu/CommandIds.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/app/CommandRules.h"
#include "ui/app/CommandTable.h"
#include "ui/preview/LivePreviewCommands.h"
#include "ui/preview/LivePreviewPane.h"
#include "ui/preview/PreviewHost.h"

namespace velto {

namespace {
struct WebSite {
    int id;
    const char* text;
    const char* prompt;
    const char* url;
};
constexpr WebSite WebSites[] = {
    {CommandId::WebHtml401, "W3C HTML &4.01 Recommendation", "Read the W3C HTML 4.01 Recommendation on the web",
     "https://www.w3.org/TR/html401/"},
    {CommandId::WebHtmlStandard, "WHATWG HTML &Standard", "Read the WHATWG HTML Living Standard on the web",
     "https://html.spec.whatwg.org/multipage/"},
    {CommandId::WebMdnReference, "&MDN HTML Reference", "Look up HTML elements and attributes in MDN Web Docs",
     "https://developer.mozilla.org/en-US/docs/Web/HTML/Reference"},
    {CommandId::WebValidator, "W3C Markup &Validator", "Check a page with the W3C Markup Validation Service",
     "https://validator.w3.org/"},
};
} // namespace

void RegisterPreviewCommands(CommandTable& t, CMainFrame& frame) {
    CQuorApp& app = frame.App();
    t.Add({CommandId::RefreshPreview, "Refresh Pre&view\tCtrl+R", "Refresh the HTML preview in your web browser",
           WhenView(frame), [&frame, &app] {
               // The live preview pane refreshes too, whatever the document's size.
               if (LivePreviewPane* pane = ShownLivePreview(frame))
                   pane->Refresh(LivePreviewCause::Command);
               if (CQuorView* view = frame.ActiveView())
                   app.Previews().Preview(*view);
           }});
    for (const WebSite& site : WebSites) {
        const std::string url = site.url;
        t.Add({site.id, site.text, site.prompt, nullptr, [&app, url] { app.Previews().OpenUrl(url); }});
    }
}

} // namespace velto
