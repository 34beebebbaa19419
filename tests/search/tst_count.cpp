#include "app/mainwindow.h"
#include "buildlist/lineformat.h"
#include "buildlist/window/itempicker.h"
#include "editing/window/modeswitch.h"
#include "editing/window/textpart.h"
#include "search/countcomment.h"
#include "search/window/countwindow.h"
#include "support/controls.h"
#include "support/formfixture.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/completingcombobox.h"

#include "buildlist/buildlist.h"
#include "support/nowarnings.h"
#include "widgets/application.h"
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

namespace {

const QString kVillager3 = QStringLiteral("U83       Villager             3      109       ");
const QString kVillager2Limit5 = QStringLiteral("T83       Villager             2      109      5");

void countUnit(FormFixture& f, const QString& name)
{
    ui(f.form2).unitBox->setEditText(name);
    QTest::mouseClick(ui(f.form2).countButton, Qt::LeftButton);
}

} // namespace

class TestCount : public QObject {
    Q_OBJECT
private slots:
    // The window alone, on a build list of its own: a count, then Create
    // Comment, which asks for Normal mode first, says when its lines go in,
    // and puts them above the first line as one step; with nothing
    // counted it asks for Normal mode and changes nothing.
    void countWindowAlone_data()
    {
        QTest::addColumn<bool>("counted");
        QTest::newRow("a count") << true;
        QTest::newRow("nothing counted") << false;
    }
    void countWindowAlone()
    {
        QFETCH(bool, counted);
        PartFixture p({QString::fromLatin1(kStartingLine), kVillager3, kVillager2Limit5});
        BuildList& document = p.document;
        CountWindow window(p.catalog, document, p.app);
        QStringList heard;
        connect(&window, &CountWindow::wantsNormalMode, this, [&] { heard << "normal mode"; });
        connect(&window, &CountWindow::commentGoingIn, this,
                [&] { heard << QStringLiteral("going in at %1 lines").arg(document.lineCount()); });
        if (counted) {
            ui(window).unitBox->setEditText(QStringLiteral("Villager         "));
            window.countUnit();
        }
        window.copyToBuildList();
        if (!counted) {
            QCOMPARE(heard, QStringList{"normal mode"});
            QCOMPARE(document.lineCount(), 3);
            QVERIFY(!document.isModified());
            return;
        }
        QCOMPARE(heard, (QStringList{"normal mode", "going in at 3 lines"}));
        QCOMPARE(document.lines().first(), QStringLiteral("//Villager 5").leftJustified(48));
        QCOMPARE(document.lineCount(), 4);
        QCOMPARE(document.undoName(), QStringLiteral("Create Comment"));
        document.undo();
        QCOMPARE(document.lineCount(), 3); // one step
        VERIFY_DIALOGS(p);
    }

    void init() { failOnUnexpectedWarnings(); }

    void unitListAndLayout()
    {
        FormFixture f;
        QCOMPARE(ui(f.form2).unitBox->count(), 25);
        QCOMPARE(ui(f.form2).unitBox->itemText(24), QStringLiteral("Villager         "));
        QCOMPARE(ui(f.form2).unitBox->currentText(), QStringLiteral("Acad_Hoplite     "));
        QCOMPARE(f.form2.size(), QSize(496, 266));
        QVERIFY(ui(f.form2).counts->isTextEmpty());
        QCOMPARE(ui(f.form2).countButton->text(), QStringLiteral("Get Count"));
        QCOMPARE(ui(f.form2).copyButton->text(), QStringLiteral("Create Comment"));
        QCOMPARE(ui(f.form2).clearButton->text(), QStringLiteral("Clear"));
        QCOMPARE(ui(f.form2).closeButton->text(), QStringLiteral("Close"));
    }

    void countTheStartingLine()
    {
        FormFixture f;
        ui(f.form2).unitBox->setCurrentIndex(24);
        QTest::mouseClick(ui(f.form2).countButton, Qt::LeftButton);
        QCOMPARE(ui(f.form2).counts->text(), QStringLiteral("//Villager 0").leftJustified(48) + "\r\n");
    }

    void countsAddUp()
    {
        FormFixture f;
        f.setLines({kVillager3, kVillager2Limit5});
        countUnit(f, QStringLiteral("Villager         "));
        QCOMPARE(ui(f.form2).counts->lines(), QStringList{QStringLiteral("//Villager 5").leftJustified(48)});
        countUnit(f, QString());
        QCOMPARE(ui(f.form2).counts->lines().at(1), QStringLiteral("// 0").leftJustified(48));
        VERIFY_DIALOGS(f);
    }

    void twoDigitQuantitiesCountWhole()
    {
        FormFixture f;
        f.setLines({QStringLiteral("U83       Villager             10     109       ")});
        countUnit(f, QStringLiteral("Villager         "));
        QCOMPARE(ui(f.form2).counts->lines().at(0), QStringLiteral("//Villager 10").leftJustified(48));
    }

    void createCommentPutsTheCountsOnTop()
    {
        FormFixture f;
        f.setLines({kVillager3, kVillager2Limit5});
        countUnit(f, QStringLiteral("Villager         "));
        countUnit(f, QStringLiteral("Priest           "));
        QTest::mouseClick(ui(f.form2).copyButton, Qt::LeftButton);
        QCOMPARE(f.lines(),
                 (QStringList{QStringLiteral("//Villager 5").leftJustified(48),
                              QStringLiteral("//Priest 0").leftJustified(48), kVillager3, kVillager2Limit5}));
        QVERIFY(f.form.isModified());
        QCOMPARE(QApplication::clipboard()->text(), ui(f.form2).counts->text());
        QCOMPARE(ui(f.form2).counts->lines().size(), 2);
        VERIFY_DIALOGS(f);
    }

    void createCommentInLinesModeReturnsToNormal()
    {
        FormFixture f;
        f.setLines({kVillager3});
        countUnit(f, QStringLiteral("Villager         "));
        ui(f.form).modeButton->click();
        QTest::mouseClick(ui(f.form2).copyButton, Qt::LeftButton);
        QVERIFY(!ui(f.form).modes->linesMode());
        QCOMPARE(f.lines().at(0), QStringLiteral("//Villager 3").leftJustified(48));
    }

    void emptyCommentsInsertNothing()
    {
        FormFixture f;
        QApplication::clipboard()->setText(QStringLiteral("left over"));
        QTest::mouseClick(ui(f.form2).copyButton, Qt::LeftButton);
        QCOMPARE(f.lines(), QStringList{QString::fromLatin1(kStartingLine)});
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("left over"));
        QVERIFY(!f.form.isModified());
    }

    void countMeetsABlankQuantity()
    {
        FormFixture f;
        f.setLines({QStringLiteral("//Villager 5").leftJustified(48), kVillager3});
        f.dialogs.expectMessage();
        countUnit(f, QStringLiteral("Villager"));
        QCOMPARE(f.dialogs.messages.at(0).text, QStringLiteral("' ' is not a valid integer value."));
        QVERIFY(ui(f.form2).counts->isTextEmpty());
        VERIFY_DIALOGS(f);
    }

    void clearCloseAndShowAgain()
    {
        FormFixture f;
        ui(f.form).countAction->trigger();
        QVERIFY(f.form2.isVisible());
        ui(f.form2).unitBox->setCurrentIndex(3);
        countUnit(f, ui(f.form2).unitBox->currentText());
        QTest::mouseClick(ui(f.form2).closeButton, Qt::LeftButton);
        QVERIFY(!f.form2.isVisible());
        ui(f.form2).copyButton->setFocus(); // where the last use left it
        ui(f.form).countAction->trigger();
        QVERIFY(f.form2.isVisible());
        QCOMPARE(f.form2.focusWidget(), ui(f.form2).unitBox); // each opening starts in the unit box
        QCOMPARE(ui(f.form2).unitBox->currentIndex(), 3);
        QCOMPARE(ui(f.form2).counts->lineCount(), 1);
        f.form2.close(); // the close box hides it too
        QVERIFY(!f.form2.isVisible());
        QTest::mouseClick(ui(f.form2).clearButton, Qt::LeftButton);
        QVERIFY(ui(f.form2).counts->isTextEmpty());
    }

    void commentsHoldOnlyWhatAFileCan()
    {
        FormFixture f;
        QApplication::clipboard()->setText(QStringLiteral("a\tb") + QChar(0x20ac) + QChar(0)
                                           + QStringLiteral("\u00e9c"));
        ui(f.form2).counts->paste();
        QCOMPARE(ui(f.form2).counts->text(), QStringLiteral("ab\u00e9c"));
        ui(f.form2).counts->clearText();
        QTest::keyClicks(ui(f.form2).counts, QStringLiteral("x\ty"));
        QVERIFY(!ui(f.form2).counts->text().contains('\t'));
    }

    // The Count window's text edits like any text area; only characters a
    // build list cannot hold are refused, whatever the modifiers.
    void countTextEditsLikeATextArea()
    {
        FormFixture f;
        f.form2.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form2));
        BuildListTextEdit* memo = ui(f.form2).counts;
        memo->setFocus();
        QTest::keyClicks(memo, QStringLiteral("//my notX"));
        QTest::keyClick(memo, Qt::Key_Backspace);
        QTest::keyClicks(memo, QStringLiteral("e"));
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, QStringLiteral("//two"));
        QTest::keyClick(memo, Qt::Key_Left);
        QTest::keyClick(memo, Qt::Key_Delete);
        // Characters typed with AltGr or Ctrl+Alt: kept when a file can hold
        // them, refused otherwise.
        const QList<QPair<Qt::KeyboardModifiers, QString>> typed = {
            {Qt::GroupSwitchModifier, QStringLiteral("\u00e6")},
            {Qt::ControlModifier | Qt::AltModifier, QStringLiteral("\u00e9")},
            {Qt::ControlModifier | Qt::AltModifier, QStringLiteral("\u20ac")},
            {Qt::ControlModifier | Qt::AltModifier, QStringLiteral("\t")},
            {Qt::GroupSwitchModifier, QString(QChar(0x85))},
            {Qt::NoModifier, QString(QChar(0x7f))},
        };
        for (const auto& [mods, text] : typed) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_E, mods, text);
            QCoreApplication::sendEvent(memo, &key);
        }
        QCOMPARE(memo->text(), QStringLiteral("//my note\r\n//tw\u00e6\u00e9"));
    }

    // Create Comment puts whole lines on top, each as wide as Open makes
    // it, with every character as typed.
    void createCommentInsertsWholeLines_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("inserted");
        QTest::newRow("no final break") << "//my note" << QStringList{line48("//my note")};
        QTest::newRow("final break") << "//a\r\n" << QStringList{line48("//a")};
        QTest::newRow("no-break space") << "//a\u00a0b" << QStringList{line48("//a\u00a0b")};
        QTest::newRow("long comment goes on")
            << "//" + QString(50, 'c') << QStringList{"//" + QString(46, 'c'), line48("//cccc")};
        QTest::newRow("long item line is cut") << QString(kVillager3) + "xyz" << QStringList{kVillager3};
    }
    void createCommentInsertsWholeLines()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, inserted);
        FormFixture f;
        ui(f.form2).counts->setText(typed);
        QTest::mouseClick(ui(f.form2).copyButton, Qt::LeftButton);
        QCOMPARE(f.lines(), inserted + QStringList{QString::fromLatin1(kStartingLine)});
        QVERIFY(f.form.isModified());
        QCOMPARE(QApplication::clipboard()->text(), ui(f.form2).counts->text());
    }

    // In Lines mode the list is the live build list, and the count reads it.
    void countInLinesModeReadsTheList()
    {
        FormFixture f;
        f.setLines({kVillager3});
        ui(f.form).modeButton->click();
        clickRow(ui(f.form).lineList, ui(f.form).lineList->itemIndex());
        ui(f.form).picker->appendItem(); // one more Villager, in the list only
        countUnit(f, QStringLiteral("Villager         "));
        QCOMPARE(ui(f.form2).counts->lines(), QStringList{QStringLiteral("//Villager 4").leftJustified(48)});
        VERIFY_DIALOGS(f);
    }
};

QTEST_MAIN(TestCount)
#include "tst_count.moc"
