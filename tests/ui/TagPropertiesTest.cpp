// The tag properties dialog on a real view: its rows, the edit button, the edits kept in
// the tag until OK and then one undoable change, Cancel, and the "Show HTML codes" setting.
#include "UiTestSupport.h"

#include "core/config/GeneralConfig.h"
#include "ui/tagassist/CAttStringDlg.h"
#include "ui/tagassist/CTagProperties.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

using namespace velto;
using namespace velto::test;

namespace {
int RowOf(CTagProperties* dlg, const QString& name) {
    QTreeWidget* list = dlg->List();
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == name)
            return i;
    return -1;
}

QString ValueOf(CTagProperties* dlg, const QString& name) {
    const int row = RowOf(dlg, name);
    return row < 0 ? QStringLiteral("(no row)") : dlg->List()->topLevelItem(row)->text(2);
}

// Answers the next attribute value dialog with text.
void AnswerValueDialog(const QString& text) {
    QTimer::singleShot(0, [text] {
        auto* value = qobject_cast<CAttStringDlg*>(QApplication::activeModalWidget());
        QVERIFY(value);
        value->Field()->setText(text);
        value->accept();
        if (value->isVisible())
            value->reject();
    });
}

// Opens the tag menu at the caret, chooses "Properties...", and hands the dialog to work,
// which closes it.
void WithPropertiesDialog(CQuorView* view, std::function<void(CTagProperties*)> work) {
    QTimer::singleShot(0, [work] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction* item = FindAction(menu, QStringLiteral("Properties..."));
        menu->close();
        QVERIFY(item);
        QVERIFY(item->isEnabled());
        QTimer::singleShot(0, [work] {
            auto* dlg = qobject_cast<CTagProperties*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            work(dlg);
            if (dlg->isVisible())
                dlg->reject();
        });
        item->trigger();
    });
    view->ShowContextMenuAtCaret();
}
} // namespace

class TagPropertiesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowsOfAnImageTagAndEditsWrittenOnceOnOk() {
        UiFixture f;
        CQuorView* view = f.Open(f.Write(QStringLiteral("p.html"), "<P><IMG SRC=a.gif ISMAP> text"))->View();
        view->SetSelection(6, 6);
        const QByteArray original = view->TextBytes();
        WithPropertiesDialog(view, [view, &original](CTagProperties* dlg) {
            QVERIFY(dlg->windowTitle().endsWith(QStringLiteral(" Attributes <IMG>")));
            QCOMPARE(dlg->List()->headerItem()->text(0), QStringLiteral("HTML"));
            QCOMPARE(ValueOf(dlg, QStringLiteral("SRC")), QStringLiteral("\"a.gif\""));
            QCOMPARE(ValueOf(dlg, QStringLiteral("ISMAP")), QStringLiteral("(attribute present, no value)"));
            QCOMPARE(ValueOf(dlg, QStringLiteral("ALT")), QString());
            // The first row is selected, with its purpose below and the edit button beside it.
            QCOMPARE(dlg->List()->indexOfTopLevelItem(dlg->List()->currentItem()), 0);
            QVERIFY(dlg->EditButton()->isVisible());
            dlg->List()->setCurrentItem(dlg->List()->topLevelItem(RowOf(dlg, QStringLiteral("SRC"))));
            QCOMPARE(dlg->PurposeLabel()->text(),
                     QStringLiteral("Purpose: The URL which provides the image to be displayed, usually a graphics file"));

            dlg->EditRow(RowOf(dlg, QStringLiteral("ISMAP")));
            QCOMPARE(ValueOf(dlg, QStringLiteral("ISMAP")), QString());
            AnswerValueDialog(QStringLiteral("Club burgee")); // two words are fine for ALT
            dlg->EditRow(RowOf(dlg, QStringLiteral("ALT")));
            QCOMPARE(ValueOf(dlg, QStringLiteral("ALT")), QStringLiteral("\"Club burgee\""));
            QCOMPARE(view->TextBytes(), original); // nothing written while the dialog is open
            dlg->accept();
        });
        QCOMPARE(view->TextBytes(), QByteArray("<P><IMG ALT=\"Club burgee\" SRC=a.gif> text"));
        view->OnEditUndo();
        QCOMPARE(view->TextBytes(), original);
        QVERIFY(!view->CanUndo());
    }

    void cancelLeavesTheDocumentAsItWas() {
        UiFixture f;
        CQuorView* view = f.Open(f.Write(QStringLiteral("c.html"), "<IMG SRC=a.gif ISMAP>"))->View();
        view->SetSelection(2, 2);
        WithPropertiesDialog(view, [](CTagProperties* dlg) {
            dlg->EditRow(RowOf(dlg, QStringLiteral("ISMAP")));
            dlg->reject();
        });
        QCOMPARE(view->TextBytes(), QByteArray("<IMG SRC=a.gif ISMAP>"));
        QVERIFY(!view->CanUndo());
        QVERIFY(!view->GetDocument()->IsModified());
    }

    void enumeratedValuesComeFromTheTagMenusWalk() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<IMG SRC=a.gif ALIGN=TOP>");
        view->SetSelection(2, 2);
        WithPropertiesDialog(view, [](CTagProperties* dlg) {
            QCOMPARE(ValueOf(dlg, QStringLiteral("ALIGN")), QStringLiteral("TOP"));
            QTimer::singleShot(0, [] {
                auto* values = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(values);
                QAction* top = FindAction(values, QStringLiteral("Top of Image"));
                QVERIFY(top && top->isChecked());
                QAction* middle = FindAction(values, QStringLiteral("Middle of Image"));
                QVERIFY(middle);
                values->close();
                middle->trigger();
            });
            dlg->EditRow(RowOf(dlg, QStringLiteral("ALIGN")));
            QCOMPARE(ValueOf(dlg, QStringLiteral("ALIGN")), QStringLiteral("MIDDLE"));
            dlg->accept();
        });
        QCOMPARE(view->TextBytes(), QByteArray("<IMG SRC=a.gif ALIGN=MIDDLE>"));
    }

    void showHtmlCodesIsKeptAndTheEditButtonFollowsTheRow() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<TABLE BORDER>");
        view->SetSelection(2, 2);
        WithPropertiesDialog(view, [](CTagProperties* dlg) {
            QCOMPARE(ValueOf(dlg, QStringLiteral("BORDER")), QStringLiteral("(attribute present, no value)"));
            dlg->findChild<QCheckBox*>(QStringLiteral("showHtmlCodes"))->setChecked(false);
            QVERIFY(dlg->List()->isColumnHidden(1));
            QCOMPARE(RowOf(dlg, QStringLiteral("BORDER")), -1); // the rows show popup names now
            // Scrolled away from the selected first row, the button goes.
            dlg->resize(500, 300);
            dlg->show();
            QVERIFY(dlg->EditButton()->isVisible());
            QScrollBar* bar = dlg->List()->verticalScrollBar();
            QVERIFY(bar->maximum() > 0);
            bar->setValue(bar->maximum());
            QVERIFY(!dlg->EditButton()->isVisible());
            dlg->accept();
        });
        QCOMPARE(f.app->General().elementPropertiesShowHtmlCodes, 0);
        QCOMPARE(f.profile->GetInt(CGeneralConfig::Section, CGeneralConfig::ShowHtmlCodesKey, 1), 0);
    }
};

QTEST_MAIN(TagPropertiesTest)
#include "TagPropertiesTest.moc"
