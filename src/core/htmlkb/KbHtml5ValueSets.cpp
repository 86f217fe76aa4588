// Value sets and attributes that several elements of the living standard share: fetch
// settings, loading, form overrides, popovers and autocompletion.
#include "core/htmlkb/KbHtml5Sets.h"

#include "core/htmlkb/KbBuilder.h"

namespace velto {

using namespace AttKind;

void Html5Val(KbBuilder& b, std::string_view nameText, std::string_view label,
              std::string_view description) {
    b.Val(nameText, label, {}, Html5Bit, description);
}

void Html5Att(KbBuilder& b, std::string_view nameText, std::string_view label,
              std::uint32_t kindFlags, std::string_view description) {
    b.Att(nameText, label, {}, Html5Bit, kindFlags, description);
}

void CrossOriginAttribute(KbBuilder& b) {
    Html5Att(b, "CROSS&ORIGIN", "Cross &Origin", TextEnum,
             "Whether a resource from another site is fetched with credentials");
    Html5Val(b, "&anonymous", "&Anonymous", "Fetch without cookies or credentials");
    Html5Val(b, "&use-credentials", "&Use Credentials", "Fetch with cookies and credentials");
}

void ReferrerPolicyAttribute(KbBuilder& b) {
    Html5Att(b, "REFERRER&POLICY", "Referrer &Policy", TextEnum,
             "How much of this page's address is sent when fetching the resource");
    Html5Val(b, "&no-referrer", "&No Referrer", "Send no address");
    Html5Val(b, "no-referrer-when-&downgrade", "No Referrer When &Downgrade",
             "Send the full address, but none from a secure page to an insecure one");
    Html5Val(b, "&origin", "&Origin", "Send the site only, without the path");
    Html5Val(b, "origin-&when-cross-origin", "Origin &When Cross Origin",
             "Send the full address within the site, the site only to others");
    Html5Val(b, "&same-origin", "&Same Origin", "Send the full address within the site only");
    Html5Val(b, "s&trict-origin", "S&trict Origin",
             "Send the site only, and nothing from a secure page to an insecure one");
    Html5Val(b, "strict-origin-when-&cross-origin", "Strict Origin When &Cross Origin",
             "Send the full address within the site, the site only to secure others (the default)");
    Html5Val(b, "&unsafe-url", "&Unsafe URL", "Always send the full address");
}

void LoadingAttribute(KbBuilder& b) {
    Html5Att(b, "LOADIN&G", "Loadin&g", TextEnum,
             "Whether the resource is loaded at once or when it nears the view");
    Html5Val(b, "&eager", "&Eager", "Load at once (the default)");
    Html5Val(b, "&lazy", "&Lazy", "Load when the element nears the visible part of the page");
}

void FetchPriorityAttribute(KbBuilder& b) {
    Html5Att(b, "FETCHPRIORIT&Y", "Fetch Priorit&y", TextEnum,
             "Priority of fetching the resource among the page's others");
    Html5Val(b, "&high", "&High", "Fetch before resources of the same kind");
    Html5Val(b, "&low", "&Low", "Fetch after resources of the same kind");
    Html5Val(b, "&auto", "&Auto", "Let the browser decide (the default)");
}

void BlockingAttribute(KbBuilder& b) {
    Html5Att(b, "BLOC&KING", "Bloc&king", TextEnum,
             "What waits for the resource to arrive");
    Html5Val(b, "&render", "&Render", "The page is not shown until the resource has arrived");
}

void IntegrityAttribute(KbBuilder& b) {
    Html5Att(b, "INTEGRIT&Y", "Integrit&y", Text,
             "Hash that the fetched resource must match, such as sha384- and its digest");
}

void FormOwnerAttribute(KbBuilder& b) {
    Html5Att(b, "FOR&M", "For&m Owner", Text,
             "Id of the form that the control belongs to, if not the enclosing one");
}

void FormOverrideAttributes(KbBuilder& b) {
    Html5Att(b, "FORMACTIO&N", "Form Actio&n", ProgramUrl,
             "Address (URL) to submit the form to with this button, instead of the form's");
    Html5Att(b, "FORMENC&TYPE", "Form Encoding &Type", TextEnum,
             "Media type in which the form is sent with this button");
    Html5Val(b, "&application/x-www-form-urlencoded", "&URL Encoded",
             "Names and values encoded as in a URL");
    Html5Val(b, "&multipart/form-data", "&Multipart", "Each control's data in a part of its own");
    Html5Val(b, "&text/plain", "&Plain Text", "Names and values as plain text lines");
    Html5Att(b, "FORMMET&HOD", "Form Met&hod", TextEnum,
             "HTTP method by which the form is submitted with this button");
    Html5Val(b, "&get", "&Get", "Send the form's data added to the URL");
    Html5Val(b, "&post", "&Post", "Send the form's data in the body of the request");
    Html5Val(b, "&dialog", "&Dialog", "Close the enclosing dialog without submitting");
    Html5Att(b, "FORMNO&VALIDATE", "Form No &Validation", Flag,
             "Submit with this button without checking the controls' constraints");
    Html5Att(b, "FORMTAR&GET", "Form Tar&get", TextEnum,
             "Window to show the response in when submitting with this button");
    Html5Val(b, "_&blank", "&Blank", "Show the response in a new window");
    Html5Val(b, "_&self", "&Self", "Show the response in the window of the form");
    Html5Val(b, "_&parent", "&Parent", "Show the response in the parent of the form's window");
    Html5Val(b, "_&top", "&Top", "Show the response in the top browser window");
    b.Other(Html5Bit, "Other target value (such as a window name)");
}

void PopoverTargetAttributes(KbBuilder& b) {
    Html5Att(b, "POPOVERTARGE&T", "Popover Targe&t", Text,
             "Id of the popover that the button shows or hides");
    Html5Att(b, "POPOVERTARGETA&CTION", "Popover A&ction", TextEnum,
             "What the button does to its popover");
    Html5Val(b, "&toggle", "&Toggle", "Show the popover if hidden, hide it if shown");
    Html5Val(b, "&show", "&Show", "Show the popover");
    Html5Val(b, "&hide", "&Hide", "Hide the popover");
}

void AutocompleteAttribute(KbBuilder& b) {
    Html5Att(b, "AUTOCOM&PLETE", "Autocom&plete", TextEnum,
             "Whether and with what the browser fills in the control");
    Html5Val(b, "&on", "&On", "The browser may fill in the control");
    Html5Val(b, "o&ff", "O&ff", "The browser does not fill in the control");
    Html5Val(b, "&name", "&Name", "The person's full name");
    Html5Val(b, "&email", "&E-mail", "An e-mail address");
    Html5Val(b, "&username", "&User Name", "A user name for signing in");
    Html5Val(b, "&current-password", "&Current Password", "The password of the account");
    Html5Val(b, "ne&w-password", "Ne&w Password", "A new password for the account");
    Html5Val(b, "one-time-&code", "One-Time &Code", "A code sent for one sign-in");
    Html5Val(b, "&tel", "&Telephone", "A telephone number");
    Html5Val(b, "&street-address", "&Street Address", "The street address, on one or more lines");
    Html5Val(b, "&postal-code", "&Postal Code", "A postal code");
    Html5Val(b, "countr&y", "Countr&y", "A country code");
    Html5Val(b, "cc-num&ber", "Card Num&ber", "The number of a payment card");
    Html5Val(b, "b&day", "Birth &Day", "A date of birth");
    b.Other(Html5Bit, "Other autofill word, or several words such as \"shipping email\"");
}

void PlaceholderAttribute(KbBuilder& b) {
    Html5Att(b, "PLACEHOL&DER", "Placehol&der", Text,
             "Hint shown in the empty field, such as an example value");
}

void RequiredAttribute(KbBuilder& b) {
    Html5Att(b, "RE&QUIRED", "Re&quired", Flag, "The form cannot be submitted until this is filled in");
}

void MinLengthAttribute(KbBuilder& b) {
    Html5Att(b, "MINLEN&GTH", "Minimum Len&gth", Number,
             "Fewest characters that the value may have");
}

void DirNameAttribute(KbBuilder& b) {
    Html5Att(b, "D&IRNAME", "D&irection Name", Text,
             "Name under which the direction of the typed text is also submitted");
}

void HyperlinkAttributes(KbBuilder& b) {
    Html5Att(b, "DO&WNLOAD", "Do&wnload", Text,
             "The link downloads its resource, under this file name if one is given");
    Html5Att(b, "P&ING", "P&ing", Text, "Addresses (URLs) told when the link is followed (space separated)");
    ReferrerPolicyAttribute(b);
}

void SrcsetAttributes(KbBuilder& b) {
    Html5Att(b, "SRCS&ET", "Source S&et", Text,
             "Image files for different widths or densities, such as a.jpg 1x, b.jpg 2x");
    Html5Att(b, "SI&ZES", "Si&zes", Text,
             "Width of the image for each media condition, for choosing from the source set");
}

} // namespace velto
