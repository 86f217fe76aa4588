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
} // namespace

void PrintView(CQuorApp& app, CQuorView& view) {
    QsciPrinter& printer = app.Printer();
    ApplyMargins(printer, app.Margins(), LocaleUnit());
    QPrintDialog dialog(&printer, &view);
    if (view.HasSelectedText())
        dialog.setOption(QAbstractPrintDialog::PrintSelection);
    if (dialog.exec() == QDialog::Accepted)
        Print(printer, view);
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
