// The colour chooser: the RGB fields' checks, the shared current colour, the value field
// read on OK, the "User" page's list of custom colours and what OK and Cancel keep.
#include "core/colours/CCustomColours.h"
#include "core/colours/NamedColours.h"
#include "core/fakes/RecordingPrompter.h"
#include "core/platform/MemoryProfile.h"
#include "ui/colours/CColourChooser.h"
#include "ui/colours/ColourPicker256.h"
#include "ui/colours/ColourSample.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>
#include <set>

using namespace velto;
using namespace velto::test;

namespace {
constexpr ColourRef Navy = MakeColour(0, 0, 128);
constexpr ColourRef Red = MakeColour(255, 0, 0);
constexpr ColourRef Blue = MakeColour(0, 0, 255);
constexpr const char* Section = CCustomColours::Section;

template <class T> T* Child(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no %s in %s", name, qPrintable(parent->objectName()));
    return found;
}

// A shown chooser over a profile, a prompter and custom colours of the test's own.
struct Chooser {
    explicit Chooser(ColourRef initial, bool useNames = true, int customCount = 0) {
        for (int i = 0; i < customCount; ++i) {
            customs.Add(i - 1);
            customs.SetName(i, "C" + std::to_string(i));
            customs.Entry(i).colour = MakeColour(static_cast<std::uint8_t>(i), 0, 0);
        }
        dialog = std::make_unique<CColourChooser>(initial, customs, profile, prompter, useNames);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    }
    QWidget* Standard() { return Child<QWidget>(dialog.get(), "standardPage"); }
    QWidget* User() {
        Child<QTabWidget>(dialog.get(), "tabs")
            ->setCurrentWidget(Child<QWidget>(dialog.get(), "userPage"));
        return Child<QWidget>(dialog.get(), "userPage");
    }
    QLineEdit* Edit(QWidget* page, const char* name) { return Child<QLineEdit>(page, name); }
    QPushButton* Button(const char* name) { return Child<QPushButton>(User(), name); }
    QListWidget* List() { return Child<QListWidget>(User(), "customList"); }
    QStringList Names() {
        QStringList names;
        for (int i = 0; i < List()->count(); ++i)
            names << List()->item(i)->text();
        return names;
    }
    ColourRef Sample(QWidget* page) { return Child<ColourSample>(page, "sample")->Colour(); }
    void Type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    void Ok() { QTest::mouseClick(Child<QPushButton>(dialog.get(), "ok"), Qt::LeftButton); }

    MemoryProfile profile;
    RecordingPrompter prompter;
    CCustomColours customs;
    std::unique_ptr<CColourChooser> dialog;
};
} // namespace

class ColourChooserTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void componentOutOfRangeIsRefusedWithItsMessage_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString redHex = QStringLiteral("Red hexadecimal value must be from 0x0 to 0xff");
        QTest::newRow("hex too large") << "redHex"
                                       << "100" << redHex;
        QTest::newRow("hex unreadable") << "redHex"
                                        << "zz" << redHex;
        QTest::newRow("hex empty") << "redHex"
                                   << "" << redHex;
        QTest::newRow("green hex") << "greenHex"
                                   << "1ff"
                                   << "Green hexadecimal value must be from 0x0 to 0xff";
        QTest::newRow("dec too large") << "greenDec"
                                       << "256"
                                       << "Green decimal value must be from 0 to 255";
        QTest::newRow("dec negative") << "blueDec"
                                      << "-1"
                                      << "Blue decimal value must be from 0 to 255";
        QTest::newRow("dec hex digits") << "blueDec"
                                        << "8f"
                                        << "Blue decimal value must be from 0 to 255";
    }
    void componentOutOfRangeIsRefusedWithItsMessage() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        for (const bool userPage : {false, true}) {
            Chooser c(Navy);
            QWidget* page = userPage ? c.User() : c.Standard();
            QLineEdit* edit = c.Edit(page, field.toLatin1().constData());
            c.Type(edit, text);
            QTest::keyClick(edit, Qt::Key_Return); // also leaves the dialog open
            QCOMPARE(c.prompter.messages, std::vector<std::string>{message.toStdString()});
            QVERIFY(c.dialog->isVisible());
            QCOMPARE(QApplication::focusWidget(), edit);
            QCOMPARE(c.Sample(page), Navy);
            QCOMPARE(c.Edit(page, "value")->text(), QStringLiteral("Navy"));
            QCOMPARE(c.Edit(page, "blueDec")->text(),
                     field == "blueDec" ? text : QStringLiteral("128"));

            // Moving to another field of the page asks again; OK does too and stays open.
            QTest::keyClick(edit, Qt::Key_Tab);
            QCOMPARE(c.prompter.messages.size(), 2u);
            QCOMPARE(QApplication::focusWidget(), edit);
            c.Ok();
            QCOMPARE(c.prompter.messages.size(), 3u);
            QVERIFY(c.dialog->isVisible());
            QCOMPARE(c.dialog->Colour(), Navy);
        }
    }

    void componentEditUpdatesTheOtherControlsAndPages() {
        Chooser c(Navy, false);
        QWidget* standard = c.Standard();
        c.Type(c.Edit(standard, "redHex"), QStringLiteral("FF"));
        QTest::keyClick(c.Edit(standard, "redHex"), Qt::Key_Tab);
        QVERIFY(c.prompter.messages.empty());
        QCOMPARE(c.Edit(standard, "redHex")->text(), QStringLiteral("ff"));
        QCOMPARE(c.Edit(standard, "redDec")->text(), QStringLiteral("255"));
        QCOMPARE(c.Edit(standard, "value")->text(), QStringLiteral("#ff0080"));
        QCOMPARE(c.Sample(standard), MakeColour(255, 0, 128));
        QCOMPARE(Child<QComboBox>(standard, "namedColours")->currentIndex(), -1);

        // The "User" page shares the colour; its scroll bars move the fields too.
        QWidget* user = c.User();
        QCOMPARE(c.Edit(user, "value")->text(), QStringLiteral("#ff0080"));
        QCOMPARE(Child<QScrollBar>(user, "redBar")->value(), 255);
        Child<QScrollBar>(user, "blueBar")->setValue(0x10);
        QCOMPARE(c.Edit(user, "blueHex")->text(), QStringLiteral("10"));
        QCOMPARE(c.Edit(user, "blueDec")->text(), QStringLiteral("16"));
        QCOMPARE(c.Sample(user), MakeColour(255, 0, 16));
        c.Type(c.Edit(user, "greenDec"), QStringLiteral("32"));
        QTest::keyClick(c.Edit(user, "greenDec"), Qt::Key_Return); // applied, then OK
        QVERIFY(!c.dialog->isVisible());
        QCOMPARE(c.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(c.dialog->Colour(), MakeColour(255, 32, 16));
        QCOMPARE(c.Edit(standard, "greenHex")->text(), QStringLiteral("20"));
    }

    void valueFieldDrivesTheOtherControls() {
        Chooser c(Navy);
        QWidget* standard = c.Standard();
        c.Type(c.Edit(standard, "value"), QStringLiteral("teal"));
        QCOMPARE(c.Edit(standard, "value")->text(), QStringLiteral("teal")); // not rewritten
        QCOMPARE(c.Edit(standard, "greenDec")->text(), QStringLiteral("128"));
        QCOMPARE(c.Edit(standard, "blueHex")->text(), QStringLiteral("80"));
        QCOMPARE(c.Sample(standard), MakeColour(0, 128, 128));
        QCOMPARE(Child<QComboBox>(standard, "namedColours")->currentText(), QStringLiteral("Teal"));
        QCOMPARE(c.Edit(c.User(), "value")->text(), QStringLiteral("Teal"));
        // Text that is no colour changes nothing.
        c.Type(c.Edit(c.User(), "value"), QStringLiteral("Grey"));
        QCOMPARE(c.Sample(c.User()), MakeColour(0, 128, 128));
    }

    void okReadsTheValueFieldAndWarnsOfAnInvalidOne() {
        Chooser c(Navy);
        c.Edit(c.Standard(), "value")->setText(QStringLiteral("nonsense"));
        c.Ok();
        QCOMPARE(c.prompter.messages,
                 std::vector<std::string>{"Warning - invalid colour value set: 'nonsense'"});
        QVERIFY(c.dialog->isVisible());
        QCOMPARE(c.dialog->Colour(), Navy);
        QCOMPARE(c.profile.Size(), 0u);
        c.Edit(c.Standard(), "value")->setText(QStringLiteral("#010203"));
        c.Ok();
        QCOMPARE(c.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(c.dialog->Colour(), MakeColour(1, 2, 3));

        // No colour yet: the field starts empty, and an empty text is no colour.
        Chooser none(NoColour);
        QCOMPARE(none.Edit(none.Standard(), "value")->text(), QString());
        none.Ok();
        QCOMPARE(none.prompter.messages,
                 std::vector<std::string>{"Warning - invalid colour value set: ''"});
        QVERIFY(none.dialog->isVisible());
    }

    void namedColoursAndPickerSetTheValue() {
        Chooser c(Navy);
        QWidget* standard = c.Standard();
        auto* combo = Child<QComboBox>(standard, "namedColours");
        QCOMPARE(combo->count(), 16);
        QCOMPARE(combo->currentText(), QStringLiteral("Navy"));
        QTest::keyClick(combo, Qt::Key_Down); // the next in table order
        QCOMPARE(c.Edit(standard, "value")->text(), QStringLiteral("Teal"));

        auto* picker = Child<ColourPicker256>(standard, "picker");
        QCOMPARE(picker->CurrentCell(), ColourPicker256::CellOf(MakeColour(0, 128, 128)));
        const int cell = 16 + 1 * 36 + 2 * 6 + 3; // red 0x33, green 0x66, blue 0x99
        QTest::mouseClick(picker, Qt::LeftButton, {}, picker->CellRect(cell).center());
        QCOMPARE(c.Edit(standard, "value")->text(), QStringLiteral("#336699"));
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(c.Edit(c.User(), "value")->text(), QStringLiteral("#336699"));
        QTest::keyClick(picker, Qt::Key_Right);
        QCOMPARE(c.Edit(standard, "value")->text(), QStringLiteral("#3366cc"));
        QCOMPARE(picker->CurrentCell(), cell + 1);
    }

    void pickerPaletteHoldsNamedColoursCubeAndGreys() {
        for (int i = 0; i < 16; ++i)
            QCOMPARE(ColourPicker256::PaletteColour(i),
                     NamedColours()[static_cast<std::size_t>(i)].colour);
        std::set<ColourRef> cube;
        for (int cell = 16; cell < 232; ++cell) {
            const ColourRef c = ColourPicker256::PaletteColour(cell);
            for (int part : {RedOf(c), GreenOf(c), BlueOf(c)})
                QCOMPARE(part % 0x33, 0);
            cube.insert(c);
        }
        QCOMPARE(cube.size(), 216u);
        for (int cell = 233; cell < 256; ++cell) {
            const ColourRef c = ColourPicker256::PaletteColour(cell);
            QVERIFY(RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c));
            QVERIFY(RedOf(c) > RedOf(ColourPicker256::PaletteColour(cell - 1)));
        }
        QCOMPARE(ColourPicker256::PaletteColour(256), NoColour);
    }

    void listOperationsSelectionAndEnableRules() {
        Chooser c(Navy, true, 2);
        const std::set<std::string> onSelection{"remove", "rename",  "up",
                                                "down",   "toEntry", "fromEntry"};
        const auto enabled = [&](const char* name) { return c.Button(name)->isEnabled(); };
        for (const std::string& name : onSelection)
            QVERIFY2(!enabled(name.c_str()), name.c_str()); // nothing selected yet
        QVERIFY(enabled("add"));

        QTest::mouseClick(c.Button("add"), Qt::LeftButton); // at the end
        QCOMPARE(c.Names(), QStringList({"C0", "C1", "<no name>"}));
        QCOMPARE(c.List()->currentRow(), 2);
        for (const std::string& name : onSelection)
            QVERIFY2(enabled(name.c_str()), name.c_str());
        QTest::mouseClick(c.Button("remove"), Qt::LeftButton); // the last: the new last
        QCOMPARE(c.Names(), QStringList({"C0", "C1"}));
        QCOMPARE(c.List()->currentRow(), 1);

        c.List()->setCurrentRow(0);
        QTest::mouseClick(c.Button("up"), Qt::LeftButton); // the first stays
        QCOMPARE(c.Names(), QStringList({"C0", "C1"}));
        QCOMPARE(c.List()->currentRow(), 0);
        QTest::mouseClick(c.Button("add"), Qt::LeftButton); // after the selection
        QCOMPARE(c.Names(), QStringList({"C0", "<no name>", "C1"}));
        QCOMPARE(c.List()->currentRow(), 1);
        QTest::mouseClick(c.Button("down"), Qt::LeftButton);
        QCOMPARE(c.Names(), QStringList({"C0", "C1", "<no name>"}));
        QCOMPARE(c.List()->currentRow(), 2);
        QCOMPARE(c.customs.ActiveCount(), 2); // only a copy is edited

        Chooser full(Navy, true, CCustomColours::MaxCount - 1);
        QTest::mouseClick(full.Button("add"), Qt::LeftButton);
        QCOMPARE(full.List()->count(), CCustomColours::MaxCount);
        QVERIFY(!full.Button("add")->isEnabled());
        QTest::mouseClick(full.Button("remove"), Qt::LeftButton);
        QVERIFY(full.Button("add")->isEnabled());
    }

    void renameRefusesForbiddenCharacters() {
        Chooser c(Navy, true, 2);
        c.List()->setCurrentRow(1);
        QTest::mouseClick(c.Button("rename"), Qt::LeftButton);
        auto* editor = Child<QLineEdit>(c.List(), "nameEdit");
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->selectedText(), QStringLiteral("C1"));
        for (const char* name : {"add", "remove", "rename", "up", "down", "toEntry", "fromEntry"})
            QVERIFY2(!c.Button(name)->isEnabled(), name);

        c.Type(editor, QStringLiteral("Dark,Red"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(c.prompter.messages,
                 std::vector<std::string>{"Error - colour names can't contain the character: ,\n"});
        QVERIFY(editor->isVisible());
        QCOMPARE(QApplication::focusWidget(), editor);
        QCOMPARE(editor->cursorPosition(), 5);
        QCOMPARE(c.Names(), QStringList({"C0", "C1"}));
        c.Ok(); // OK finishes the rename first
        QCOMPARE(c.prompter.messages.size(), 2u);
        QVERIFY(c.dialog->isVisible());

        c.Type(editor, QStringLiteral("Sky"));
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(!editor->isVisible());
        QCOMPARE(c.Names(), QStringList({"C0", "Sky"}));
        QVERIFY(c.Button("rename")->isEnabled());
        QVERIFY(c.dialog->isVisible()); // Return ended the rename, not the dialog

        QTest::mouseClick(c.Button("rename"), Qt::LeftButton);
        c.Type(editor, QStringLiteral("Lost"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(!editor->isVisible());
        QVERIFY(c.dialog->isVisible());
        QCOMPARE(c.Names(), QStringList({"C0", "Sky"}));
    }

    void transferButtonsAndOkSaveTheList() {
        Chooser c(Navy, true, 2);
        QWidget* user = c.User();
        c.List()->setCurrentRow(0);
        c.Type(c.Edit(user, "value"), QStringLiteral("Blue"));
        QTest::mouseClick(c.Button("toEntry"), Qt::LeftButton);
        c.Edit(user, "value")->setText(QStringLiteral("not a colour"));
        c.List()->setCurrentRow(1);
        QTest::mouseClick(c.Button("toEntry"), Qt::LeftButton); // nothing taken, no warning
        QVERIFY(c.prompter.messages.empty());

        c.List()->setCurrentRow(0);
        QTest::mouseClick(c.Button("fromEntry"), Qt::LeftButton);
        QCOMPARE(c.Edit(user, "value")->text(), QStringLiteral("Blue"));
        QCOMPARE(c.Edit(user, "blueHex")->text(), QStringLiteral("ff"));
        QCOMPARE(c.Sample(user), Blue);
        QCOMPARE(Child<QComboBox>(c.Standard(), "namedColours")->currentText(),
                 QStringLiteral("Blue"));

        c.Ok();
        QCOMPARE(c.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(c.dialog->Colour(), Blue);
        QCOMPARE(c.profile.GetInt(Section, "Number Active", -1), 2);
        QCOMPARE(c.profile.GetString(Section, "Colour 0", ""), std::string("\"C0\",ff0000"));
        QCOMPARE(c.profile.GetString(Section, "Colour 1", ""), std::string("\"C1\",1"));
        QCOMPARE(c.customs.Entry(0).colour, Blue);
    }

    void cancelKeepsProfileAndCustomColours() {
        Chooser c(Red, true, 2);
        const CCustomColours before = c.customs;
        c.List()->setCurrentRow(0);
        QTest::mouseClick(c.Button("remove"), Qt::LeftButton);
        QTest::mouseClick(c.Button("add"), Qt::LeftButton);
        c.Type(c.Edit(c.User(), "value"), QStringLiteral("Navy"));
        QTest::mouseClick(Child<QPushButton>(c.dialog.get(), "cancel"), Qt::LeftButton);
        QCOMPARE(c.dialog->result(), int(QDialog::Rejected));
        QCOMPARE(c.dialog->Colour(), Red);
        QVERIFY(c.customs == before);
        QCOMPARE(c.profile.Size(), 0u);
    }

    void chooseColourAnswersOnlyOk() {
        MemoryProfile profile;
        RecordingPrompter prompter;
        CCustomColours customs;
        // The modal chooser is answered from the event loop it runs.
        const auto answer = [](const char* button, const char* value) {
            QTimer::singleShot(0, [=] {
                auto* chooser = qobject_cast<CColourChooser*>(QApplication::activeModalWidget());
                QVERIFY(chooser);
                Child<QLineEdit>(Child<QWidget>(chooser, "standardPage"), "value")
                    ->setText(QString::fromLatin1(value));
                Child<QPushButton>(chooser, button)->click();
            });
        };
        answer("ok", "Purple");
        QCOMPARE(ChooseColour(Navy, customs, profile, prompter, true, nullptr),
                 std::optional<ColourRef>(MakeColour(128, 0, 128)));
        answer("cancel", "Purple");
        QCOMPARE(ChooseColour(Navy, customs, profile, prompter, true, nullptr), std::nullopt);

        // A list that cannot be saved is said so; the colour is still taken.
        profile.FailWritesAfter(0);
        answer("ok", "Red");
        QCOMPARE(ChooseColour(Navy, customs, profile, prompter, true, nullptr),
                 std::optional<ColourRef>(Red));
        QCOMPARE(prompter.messages,
                 std::vector<std::string>{"Warning - unable to save the custom colours"});
    }

    void leavingAPageFinishesItsEdits() {
        Chooser c(Navy);
        auto* tabs = Child<QTabWidget>(c.dialog.get(), "tabs");
        c.Edit(c.Standard(), "redDec")->setText(QStringLiteral("300"));
        tabs->setCurrentIndex(1);
        QCOMPARE(c.prompter.messages,
                 std::vector<std::string>{"Red decimal value must be from 0 to 255"});
        QCOMPARE(tabs->currentIndex(), 0);
        c.Edit(c.Standard(), "redDec")->setText(QStringLiteral("64"));
        tabs->setCurrentIndex(1);
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE(c.Edit(c.User(), "value")->text(), QStringLiteral("#400080"));
    }
};

QTEST_MAIN(ColourChooserTest)
#include "ColourChooserTest.moc"
