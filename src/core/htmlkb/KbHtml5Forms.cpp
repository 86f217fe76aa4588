// Contents: the form elements of the living standard: suggestion lists, results, gauges
// and option groups.
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KbContents.h"
#include "core/htmlkb/KbHtml5Sets.h"

namespace velto {

using namespace AttKind;
using namespace ElementClass;

namespace {

void Gauges(KbBuilder& b) {
    b.Element("&METER", "&Meter", "&Gauge Meter", Html5Bit, Container,
              "A measurement within a known range, such as disk usage");
    Html5Att(b, "&VALUE", "&Value", Required | Text, "The measured value");
    Html5Att(b, "M&IN", "M&inimum", Text, "Lower bound of the range (0 if not given)");
    Html5Att(b, "MA&X", "Ma&ximum", Text, "Upper bound of the range (1 if not given)");
    Html5Att(b, "&LOW", "&Low", Text, "Values up to this are low");
    Html5Att(b, "&HIGH", "&High", Text, "Values from this up are high");
    Html5Att(b, "&OPTIMUM", "&Optimum", Text, "The best value, which says whether low or high is good");
    b.Events({});
    b.Element("&PROGRESS", "&Progress Bar", "", Html5Bit, Container,
              "The progress of a task, such as a download");
    Html5Att(b, "&VALUE", "&Value", Text, "How much of the task is done (none: not known yet)");
    Html5Att(b, "MA&X", "Ma&ximum", Text, "How much there is to do in all (1 if not given)");
    b.Events({});
}

} // namespace

void BuildHtml5FormElements(KbBuilder& b) {
    b.SetAppearance(AppearanceClass::Form);
    b.Element("DATA&LIST", "Data &List", "Suggestion &List", Html5Bit, Container,
              "A list of suggested values for an input control, given as options");
    b.Events({});
    b.Element("O&UTPUT", "O&utput", "Calculation O&utput", Html5Bit, Container,
              "The result of a calculation or of the user's action");
    Html5Att(b, "&FOR", "&For Controls", Text,
             "Ids of the controls that the result comes from (space separated)");
    FormOwnerAttribute(b);
    Html5Att(b, "&NAME", "&Name", Text, "Name under which the result is known to the form");
    b.Events({});
    Gauges(b);
    // HTML 4.0 had OPTGROUP too.
    b.Element("OPT&GROUP", "Option &Group", "List Option &Group", VersionBits::Html40 | Html5Bit,
              EndTagOptional, "A group of options of a selection list, under a label");
    b.Inside("SELECT");
    b.Att("&LABEL", "&Label", "Group &Label", VersionBits::Html40 | Html5Bit, Required | Text,
          "The label of the group, shown above its options");
    b.Att("&DISABLED", "&Disabled", "", VersionBits::Html40 | Html5Bit, Flag,
          "None of the group's options can be chosen");
    b.Events({});
}

} // namespace velto
