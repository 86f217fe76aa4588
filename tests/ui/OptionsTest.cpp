// The Options dialog answered from the test: the version lists, Cancel and OK, the page
// remembered, and what OK brings up to date (settings, menus, colouring).
#include "UiTestSupport.h"

#include "core/colouring/AppearanceSettings.h"
#include "core/htmlkb/AppearanceClasses.h"
#include "core/menu/CommandIds.h"
#include "ui/colours/ColourComboBox.h"
#include "ui/document/IdlePump.h"
#include "ui/options/OptionsDialog.h"

#include <QCheckBox>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <set>

using namespace velto;
using namespace velto::test;

namespace {
int StyleAt(CQuorView* view, int pos) {
    return static_cast<int>(view->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(pos)));
}
QStringList MenuTexts(CMainFrame& frame, const QString& title) {
    QStringList texts;
    for (QAction* top : frame.menuBar()->actions())
        if (top->menu() && top->menu()->title() == title)
            for (QAction* a : top->menu()->actions())
                texts << a->text();
    return texts;
}
} // namespace

class OptionsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theToolsMenuOpensTheSheet() {
        UiFixture f;
        QAction* options = f.Frame().Action(CommandId::AppOptions);
        QVERIFY(options);
        QCOMPARE(options->text(), QStringLiteral("Op&tions"));
        QCOMPARE(options->statusTip(), QStringLiteral("Change user configurable application features"));
        QVERIFY(MenuTexts(f.Frame(), QStringLiteral("&Tools")).contains(QStringLiteral("Op&tions")));
        OptionsDialog dialog(*f.app, &f.Frame());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Options"));
        QCOMPARE(dialog.Pages()->count(), 4);
        QCOMPARE(dialog.Pages()->tabText(0), QStringLiteral("HTML Support"));
        QCOMPARE(dialog.Pages()->tabText(3), QStringLiteral("Checking"));
    }

    void versionListsAddRemoveAndSaveAtOk() {
        UiFixture f;
        const std::string storedBefore = f.profile->GetString("HTML Configuration", "HtmlVerSetting00", "unset");
        const std::uint32_t stateBefore = f.app->Html().versions[2].state;
        OptionsDialog dialog(*f.app, &f.Frame());
        QListWidget* all = dialog.AllTagsList();
        const int listed = all->count();
        QVERIFY(listed > 0);
        // Remove every version: the same row stays selected, then the last, then none;
        // the empty list can be added to again.
        all->setCurrentRow(0);
        while (all->count() > 0) {
            dialog.RemoveSelected(true);
            QCOMPARE(all->currentRow(), all->count() > 0 ? 0 : -1);
        }
        QVERIFY(dialog.AllTagsAdd()->isEnabled());
        QVERIFY(!dialog.AllTagsRemove()->isEnabled());
        dialog.AddVersion(true, 0);
        dialog.AddVersion(false, 1);
        dialog.AddVersion(false, 0); // enabled for all its tags already: stays there
        QCOMPARE(all->count(), 1);
        QCOMPARE(dialog.CommonTagsList()->count(), 1);
        // Nothing reaches the settings before OK.
        QCOMPARE(f.profile->GetString("HTML Configuration", "HtmlVerSetting00", "unset"), storedBefore);
        QCOMPARE(f.app->Html().versions[2].state, stateBefore);
        dialog.accept();
        QCOMPARE(f.app->Html().versions[0].state, 2u);
        QCOMPARE(f.app->Html().versions[1].state, 1u);
        for (std::size_t i = 2; i < f.app->Html().versions.size(); ++i)
            QCOMPARE(f.app->Html().versions[i].state, 0u);
        CHtmlConfig stored;
        stored.Load(*f.profile);
        for (std::size_t i = 0; i < stored.versions.size(); ++i)
            QCOMPARE(stored.versions[i].state, f.app->Html().versions[i].state);
    }

    void versionsRemovedAtOkLeaveTheInsertMenus() {
        UiFixture f;
        const auto items = [&f] {
            int n = 0;
            for (const char* menu : {"&Quick", "&Structure", "For&matting", "&Advanced"})
                n += static_cast<int>(MenuTexts(f.Frame(), QString::fromLatin1(menu)).size());
            return n;
        };
        const int before = items();
        OptionsDialog dialog(*f.app, &f.Frame());
        dialog.AllTagsList()->setCurrentRow(0);
        while (dialog.AllTagsList()->count() > 1)
            dialog.RemoveSelected(true); // one browser is left
        dialog.accept();
        QVERIFY2(items() < before, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(items())));
        QVERIFY(items() > 0);
    }

    void generalPageSettingsReachTheMenusAndTheSettingsFile() {
        UiFixture f;
        const QStringList before = MenuTexts(f.Frame(), QStringLiteral("&Quick"));
        OptionsDialog dialog(*f.app, &f.Frame());
        dialog.Pages()->setCurrentIndex(1);
        QList<QRadioButton*> radios = dialog.findChildren<QRadioButton*>();
        QRadioButton* tags = nullptr;
        for (QRadioButton* r : radios)
            if (r->text() == QStringLiteral("HTML Tag&s"))
                tags = r;
        QVERIFY(tags);
        tags->setChecked(true);
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
            if (box->text() == QStringLiteral("Insert &Tags in Lower Case"))
                box->setChecked(true);
        dialog.accept();
        QCOMPARE(f.app->Html().userNameType, 0);
        QCOMPARE(f.profile->GetInt("HTML Configuration", "UserNameType", -1), 0);
        QVERIFY(f.app->Editor().insertHtmlLowerCase);
        QCOMPARE(f.profile->GetInt("Editor Configuration", "InsertHtmlLowerCase", -1), 1);
        QVERIFY(MenuTexts(f.Frame(), QStringLiteral("&Quick")) != before);

        // The page active at OK opens next time; Cancel keeps the one remembered.
        OptionsDialog again(*f.app, &f.Frame());
        QCOMPARE(again.Pages()->currentIndex(), 1);
        again.Pages()->setCurrentIndex(2);
        again.reject();
        OptionsDialog third(*f.app, &f.Frame());
        QCOMPARE(third.Pages()->currentIndex(), 1);
        third.Pages()->setCurrentIndex(0);
        third.accept();
    }

    void appearanceChangesAreLiveUntilCancelAndPlainAfterOk() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<TABLE>x</TABLE>");
        QVERIFY(f.Docs().Idle().RunUntilIdle());
        QVERIFY(StyleAt(view, 1) != static_cast<int>(AppearanceClass::Text));
        const std::uint32_t colour = f.app->Appearance().Classes()[3].textColour;
        {
            OptionsDialog dialog(*f.app, &f.Frame());
            dialog.Items()->setCurrentRow(3);
            Q_EMIT dialog.ItemColour()->ColourPicked(colour == 0x0000FF ? 0x00FF00 : 0x0000FF);
            QVERIFY(f.app->Appearance().Classes()[3].textColour != colour);
            QCOMPARE(dialog.Items()->item(3)->foreground().color(),
                     QColor(colour == 0x0000FF ? Qt::green : Qt::red));
            dialog.reject();
        }
        QCOMPARE(f.app->Appearance().Classes()[3].textColour, colour);

        OptionsDialog dialog(*f.app, &f.Frame());
        CQuorView* sample = dialog.Sample();
        QVERIFY(sample->TextBytes().contains("<LI>Error:   <Rubbish> and <Junk>"));
        QVERIFY(sample->TextBytes().contains("<!--------- The End ------------>"));
        const auto seen = [sample] {
            std::set<int> styles;
            for (int i = 0; i < sample->TextLength(); ++i)
                styles.insert(StyleAt(sample, i));
            return styles;
        };
        const auto formats = [&seen] { return seen().size(); };
        QVERIFY(formats() > 3);
        // The sample shows every class of what lies inside a page too.
        for (std::size_t c = TagAppearanceClassCount; c < AppearanceClassCount; ++c)
            QVERIFY2(seen().count(static_cast<int>(c)), AppearanceClasses[c].name.data());
        QCOMPARE(dialog.Items()->count(), static_cast<int>(AppearanceClassCount));
        dialog.EnableColouring()->setChecked(false);
        QCOMPARE(formats(), std::size_t(1));
        dialog.accept();
        QCOMPARE(f.profile->GetInt("Appearance", "EnableNonTextStyles", -1), 0);
        QVERIFY(f.Docs().Idle().RunUntilIdle());
        QCOMPARE(StyleAt(view, 1), static_cast<int>(AppearanceClass::Text));
    }
};

QTEST_MAIN(OptionsTest)
#include "OptionsTest.moc"
