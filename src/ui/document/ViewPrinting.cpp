// Printing a view's text, its preview, and the page setup of margins.
#include "ui/document/ViewPrinting.h"

#include "core/config/PrintingSettings.h"
#include "ui/app/CQuorApp.h"
#include "ui/document/CQuorView.h"

#include <Qsci/qsciprinter.h>

#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

namespace velto {

namespace {
MarginUnit LocaleUnit() {
    return QLocale::system().measurementSystem() == QLocale::MetricSystem
               ? MarginUnit::HundredthsOfMillimetre
               : MarginUnit::ThousandthsOfInch;
}

QPageLayout::Unit LayoutUnit(MarginUnit unit) {
    return unit == MarginUnit::HundredthsOfMillimetre ? QPageLayout::Millimeter : QPageLayout::Inch;
}

double UnitsPerLayoutUnit(MarginUnit unit) {
    return unit == MarginUnit::HundredthsOfMillimetre ? 100.0 : 1000.0;
}

// Puts the application's margins (twips) on the printer, in the dialog's unit.
void ApplyMargins(QsciPrinter& printer, const PageMargins& m, MarginUnit unit) {
    const double scale = UnitsPerLayoutUnit(unit);
    auto toLayout = [&](int twips) { return TwipsToMarginUnits(twips, unit) / scale; };
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(LayoutUnit(unit));
    layout.setMinimumMargins(QMarginsF());
    layout.setMargins(QMarginsF(toLayout(m.left), toLayout(m.top), toLayout(m.right),
                                toLayout(m.bottom)));
    printer.setPageLayout(layout);
}

void Print(QsciPrinter& printer, CQuorView& view) {
    printer.setWrapMode(QsciScintilla::WrapWord);
    printer.printRange(&view);
}

// Prints the text from start to end, which need not be whole lines, page by page within
// the printer's page range (none: every page).
bool PrintCharacters(QsciPrinter& printer, CQuorView& view, long start, long end) {
    printer.setWrapMode(QsciScintilla::WrapWord);
    QPainter painter(&printer);
    if (!painter.isActive())
        return false;
    view.SendScintilla(QsciScintillaBase::SCI_SETPRINTMAGNIFICATION, printer.magnification());
    view.SendScintilla(QsciScintillaBase::SCI_SETPRINTWRAPMODE, static_cast<unsigned long>(printer.wrapMode()));
    const QRect area(0, 0, printer.width(), printer.height());
    const int firstPage = printer.fromPage();
    const int lastPage = printer.toPage();
    bool pageStarted = false;
    for (int page = 1; start < end && (lastPage == 0 || page <= lastPage); ++page) {
        const bool render = firstPage == 0 || page >= firstPage;
        if (render && pageStarted && !printer.newPage())
            return false;
        const long next = view.SendScintilla(QsciScintillaBase::SCI_FORMATRANGE, render ? 1UL : 0UL, &painter,
                                             area, start, end);
        pageStarted = pageStarted || render;
        if (next <= start)
            break; // nothing fitted on the page: stop rather than loop for ever
        start = next;
    }
    return true;
}
} // namespace

bool PrintChosenRange(QsciPrinter& printer, CQuorView& view, QAbstractPrintDialog::PrintRange range) {
    if (range == QAbstractPrintDialog::Selection) {
        if (!view.HasSelectedText())
            return false;
        return PrintCharacters(printer, view, view.ShownPosition(view.SelectionStart()),
                               view.ShownPosition(view.SelectionEnd()));
    }
    // A page range left from an earlier print is not this one's.
    if (range != QAbstractPrintDialog::PageRange)
        printer.setFromTo(0, 0);
    printer.setWrapMode(QsciScintilla::WrapWord);
    return printer.printRange(&view) != 0;
}

void PrintView(CQuorApp& app, CQuorView& view) {
    QsciPrinter& printer = app.Printer();
    ApplyMargins(printer, app.Margins(), LocaleUnit());
    QPrintDialog dialog(&printer, &view);
    if (view.HasSelectedText())
        dialog.setOption(QAbstractPrintDialog::PrintSelection);
    if (dialog.exec() == QDialog::Accepted)
        PrintChosenRange(printer, view, dialog.printRange());
}

bool PrintViewDirect(CQuorApp& app, CQuorView& view) {
    QsciPrinter& printer = app.Printer();
    ApplyMargins(printer, app.Margins(), LocaleUnit());
    return printer.printRange(&view) != 0;
}

void PrintPreviewView(CQuorApp& app, CQuorView& view) {
    QsciPrinter& printer = app.Printer();
    ApplyMargins(printer, app.Margins(), LocaleUnit());
    QPrintPreviewDialog preview(&printer, &view);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &view,
                     [&](QPrinter*) { Print(printer, view); });
    preview.exec();
}

void PageSetup(CQuorApp& app, CQuorView* view) {
    QsciPrinter& printer = app.Printer();
    const MarginUnit unit = LocaleUnit();
    ApplyMargins(printer, app.Margins(), unit);
    QPageSetupDialog dialog(&printer, view);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QMarginsF chosen = printer.pageLayout().margins(LayoutUnit(unit));
    const double scale = UnitsPerLayoutUnit(unit);
    auto toTwips = [&](double value) {
        return MarginUnitsToTwips(static_cast<int>(value * scale + (value < 0 ? -0.5 : 0.5)), unit);
    };
    PageMargins& m = app.Margins();
    m.left = toTwips(chosen.left());
    m.top = toTwips(chosen.top());
    m.right = toTwips(chosen.right());
    m.bottom = toTwips(chosen.bottom());
    m.Save(app.GetProfile());
}

} // namespace velto
