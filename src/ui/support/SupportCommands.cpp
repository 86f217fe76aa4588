// The support commands of the Help menu.
#include "ui/support/SupportCommands.h"

#include "core/menu/CommandIds.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CommandTable.h"

#include "ui/app/CQuorApp.h"
#include "ui/support/CTipDlg.h"
#include "ui/support/HelpPage.h"
#include "ui/support/ProbReportDlg.h"

#include <QMessageBox>

namespace velto {

void RegisterSupportCommands(CommandTable& t, CMainFrame& frame) {
    // The status bar's idle text sends the user to F1.
    t.Add({CommandId::HelpIndex, "Velto &Help\tF1", "Show how to use Velto: its commands, keys and folders", nullptr,
           [&frame] { ShowApplicationHelp(frame); }});
    t.Add({CommandId::TipOfTheDay, "&Tip of the Day...", "Shows a tip about using Velto", nullptr, [&frame] {
               CTipDlg dialog(frame.App(), &frame);
               dialog.exec();
           }});
    t.Add({CommandId::ReportProblem, "&Report Problem...",
           "Report a problem or provide feedback and request new features", nullptr, [&frame] {
               ProbReportDlg dialog(frame.App(), &frame);
               dialog.exec();
           }});
    t.Add({CommandId::AppAbout, "&About Velto...",
           "Display program information, version number and copyright", nullptr, [&frame] {
               QMessageBox::about(&frame, QStringLiteral("About Velto"),
                                  QStringLiteral("<b>Velto</b> %1<br>An HTML source editor.")
                                      .arg(QStringLiteral(VELTO_VERSION)));
           }});
}

} // namespace velto
