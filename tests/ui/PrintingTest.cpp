// Printing what the print dialog chose: the whole text, a page range, or the selection.
#include "UiTestSupport.h"

#include "ui/document/ViewPrinting.h"

#include <Qsci/qsciprinter.h>

#include <QRegularExpression>
#include <QtTest>

using namespace velto;
using namespace velto::test;

namespace {
// The pages of a PDF file that Qt wrote.
int PageCount(const QString& pdf) {
    const QByteArray bytes = UiFixture::Read(pdf);
    return static_cast<int>(QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}
} // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theSelectionOrThePageRangeIsPrintedNotEverything() {
        UiFixture f;
        CQuorView* view = f.NewView();
        QByteArray text;
        for (int i = 1; i <= 400; ++i)
            text += "<P>Line " + QByteArray::number(i) + " of the page</P>\n";
        view->ReplaceRange(0, 0, text);
        view->FlushChange();

        QsciPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const auto print = [&](const QString& name, QAbstractPrintDialog::PrintRange range) {
            const QString path = f.dir.filePath(name);
            printer.setOutputFileName(path);
            const bool printed = PrintChosenRange(printer, *view, range);
            return printed ? PageCount(path) : -1;
        };
        const int all = print(QStringLiteral("all.pdf"), QAbstractPrintDialog::AllPages);
        QVERIFY2(all >= 4, qPrintable(QString::number(all)));

        printer.setFromTo(2, 3);
        QCOMPARE(print(QStringLiteral("range.pdf"), QAbstractPrintDialog::PageRange), 2);
        // A range left on the printer does not cut the next full print short.
        QCOMPARE(print(QStringLiteral("again.pdf"), QAbstractPrintDialog::AllPages), all);

        // Part of one line to part of the next: one page, not the document.
        const int start = text.indexOf("Line 200") + 5;
        view->SetSelection(start, start + 30);
        QCOMPARE(print(QStringLiteral("selection.pdf"), QAbstractPrintDialog::Selection), 1);
        // The selection stays as it was.
        QCOMPARE(view->SelectionStart(), start);
        QCOMPARE(view->SelectionEnd(), start + 30);
        // Nothing selected: nothing printed for a selection print.
        view->SetSelection(start, start);
        QCOMPARE(print(QStringLiteral("none.pdf"), QAbstractPrintDialog::Selection), -1);
    }
};

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
