// Printing a view's text, its preview, and the page setup of margins.
#pragma once

#include <QAbstractPrintDialog>

class QsciPrinter;

namespace velto {

class CQuorApp;
class CQuorView;

// The print dialog, then the text on the chosen printer with the page margins.
void PrintView(CQuorApp& app, CQuorView& view);
// Prints what the print dialog chose: the selection (exactly its characters), the pages of
// a page range, or everything.
bool PrintChosenRange(QsciPrinter& printer, CQuorView& view, QAbstractPrintDialog::PrintRange range);
// A print preview window of the view's text.
void PrintPreviewView(CQuorApp& app, CQuorView& view);
// Print directly on the application's printer, without a dialog (printing from the
// command line).
bool PrintViewDirect(CQuorApp& app, CQuorView& view);
// The page setup dialog: margins shown in hundredths of a millimetre or thousandths of an
// inch (by the locale), each a multiple of 10; on OK stored in twips and saved.
void PageSetup(CQuorApp& app, CQuorView* view);

} // namespace velto
