#include "about/window/aboutbox.h"
#include "about/window/helpmenu.h"
#include "app/window/tcombobox.h"
#include "app/window/tedit.h"
#include "app/window/tform1.h"
#include "app/window/tlistbox.h"
#include "app/window/tmemo.h"
#include "app/window/tstatusbar.h"
#include "app/window/tupdown.h"
#include "buildlist/lineformat.h"
#include "search/window/tform2.h"
#include "support/formfixture.h"

#include "support/nowarnings.h"
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void startsWithTheStartingLine()
    {
        FormFixture f;
        QCOMPARE(f.text(), QStringLiteral("B109      TownCenter           1      -1        \r\n"));
        QCOMPARE(f.text().size(), 50);
        QCOMPARE(f.form.cboList->count(), 1);
        QCOMPARE(f.form.cboList->text(), QStringLiteral("Villager         "));
        QCOMPARE(f.form.txtVillagers->text(), QStringLiteral("0"));
        QCOMPARE(f.form.txtCount->text(), QStringLiteral("1"));
        QCOMPARE(f.form.txtRetrains->text(), QStringLiteral("2"));
        QVERIFY(!f.form.txtRetrains->isEnabled());
        QVERIFY(!f.form.UpDown2->isEnabled());
        QVERIFY(!f.form.cmdDelete->isEnabled());
        QCOMPARE(f.form.panel(TForm1::Panel::File), QString());
        QCOMPARE(f.form.panel(TForm1::Panel::Empty), QString());
        QCOMPARE(f.form.panel(TForm1::Panel::Mode), QStringLiteral("Normal"));
        QCOMPARE(f.form.panel(TForm1::Panel::Column), QString());
        QCOMPARE(f.form.panel(TForm1::Panel::Marker), QString());
        // The marker shows as "*" in its panel once the document has a
        // change that is not saved.
        f.form.document().insertLines(LineStep::Kind::Append, 1, {QStringLiteral("// x")});
        QCOMPARE(f.form.panel(TForm1::Panel::Marker), QStringLiteral("*"));
        f.form.document().undo();
        QCOMPARE(f.form.panel(TForm1::Panel::Marker), QString());
        VERIFY_DIALOGS(f);
    }

    void windowStateStartsAsDeclared()
    {
        FormFixture f;
        QCOMPARE(f.form.fileName(), QString());
        QCOMPARE(f.form.villagerCount(), 0);
        QCOMPARE(f.form.dragFrom, 0);
        QCOMPARE(f.form.dragTo, 0);
        QCOMPARE(f.form.findFrom(), 0);
        QCOMPARE(f.form.linesMode, false);
        QCOMPARE(f.form.insertAt(), -1);
        QCOMPARE(f.form.currentLine(), 0);
    }

    void pickerStartsOnUnits()
    {
        FormFixture f;
        QVERIFY(f.form.radioUnits->isChecked());
        QVERIFY(!f.form.chkRetrains->isHidden());
        QVERIFY(f.form.chkRetrainB->isHidden());
        QVERIFY(f.form.chkCritical->isHidden());
        QVERIFY(!f.form.chkRetrains->isChecked());
        QCOMPARE(f.form.UpDown1->min(), 1);
        QCOMPARE(f.form.UpDown1->max(), 10);
        QCOMPARE(f.form.UpDown2->min(), 2);
        QCOMPARE(f.form.UpDown2->max(), 50);
    }

    void windowAndCompanions()
    {
        FormFixture f;
        QCOMPARE(f.form.windowTitle(), QStringLiteral("Brindlecap's Vex AI Editor "));
        QCOMPARE(f.form.centralWidget()->height() + f.form.Status->height(), 400);
        QCOMPARE(f.form.centralWidget()->width(), 543);
        QVERIFY(!(f.form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(f.form.minimumSize(), f.form.maximumSize());
        QCOMPARE(f.app.title, QStringLiteral("QZ Vex AI File Editor"));
        QCOMPARE(f.app.helpFile, QStringLiteral("Vexdit.hlp"));
        QVERIFY(f.windows.Help->aboutBox()->isHidden());
        QCOMPARE(f.windows.Help->aboutBox()->windowTitle(), QStringLiteral("About"));
        QVERIFY(f.form2.isHidden());
        QCOMPARE(f.form2.windowTitle(), QStringLiteral("Count"));
    }

    void controlsAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("Memo1") << "Memo1" << QRect(16, 112, 513, 217);
        QTest::newRow("ListBox1") << "ListBox1" << QRect(16, 112, 513, 217);
        QTest::newRow("GroupBox2") << "GroupBox2" << QRect(16, 8, 201, 89);
        QTest::newRow("GroupBox1") << "GroupBox1" << QRect(225, 8, 158, 89);
        QTest::newRow("GroupBox3") << "GroupBox3" << QRect(19, 333, 185, 43);
        QTest::newRow("cboList") << "cboList" << QRect(20, 19, 161, 21);
        QTest::newRow("txtCount") << "txtCount" << QRect(44, 57, 25, 19);
        QTest::newRow("UpDown1") << "UpDown1" << QRect(68, 57, 16, 19);
        QTest::newRow("txtRetrains") << "txtRetrains" << QRect(140, 57, 25, 19);
        QTest::newRow("UpDown2") << "UpDown2" << QRect(164, 56, 16, 19);
        QTest::newRow("cmdAdd") << "cmdAdd" << QRect(452, 18, 73, 25);
        QTest::newRow("cmdDelete") << "cmdDelete" << QRect(452, 46, 73, 23);
        QTest::newRow("cmdEdit") << "cmdEdit" << QRect(452, 74, 73, 23);
        QTest::newRow("txtVillagers") << "txtVillagers" << QRect(62, 14, 25, 21);
        QTest::newRow("cmdVillCountRefresh") << "cmdVillCountRefresh" << QRect(103, 14, 69, 21);
        QTest::newRow("Image1") << "Image1" << QRect(244, 338, 33, 33);
        QTest::newRow("cmdExit") << "cmdExit" << QRect(450, 341, 73, 25);
    }
    void controlsAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        FormFixture f;
        const QMap<QString, QWidget*> controls{{"Memo1", f.form.Memo1},
                                               {"ListBox1", f.form.ListBox1},
                                               {"GroupBox2", f.form.GroupBox2},
                                               {"GroupBox1", f.form.GroupBox1},
                                               {"GroupBox3", f.form.GroupBox3},
                                               {"cboList", f.form.cboList},
                                               {"txtCount", f.form.txtCount},
                                               {"UpDown1", f.form.UpDown1},
                                               {"txtRetrains", f.form.txtRetrains},
                                               {"UpDown2", f.form.UpDown2},
                                               {"cmdAdd", f.form.cmdAdd},
                                               {"cmdDelete", f.form.cmdDelete},
                                               {"cmdEdit", f.form.cmdEdit},
                                               {"txtVillagers", f.form.txtVillagers},
                                               {"cmdVillCountRefresh", f.form.cmdVillCountRefresh},
                                               {"Image1", f.form.Image1},
                                               {"cmdExit", f.form.cmdExit}};
        QCOMPARE(controls.value(name)->geometry(), rect);
    }

    void captionsAndRuler()
    {
        FormFixture f;
        QCOMPARE(f.form.cmdAdd->text(), QStringLiteral("Append"));
        QCOMPARE(f.form.cmdDelete->text(), QStringLiteral("Undo"));
        QCOMPARE(f.form.cmdEdit->text(), QStringLiteral("Edit Lines"));
        QCOMPARE(f.form.cmdEdit->toolTip(), QStringLiteral("Drag & drop"));
        QCOMPARE(f.form.cmdExit->text(), QStringLiteral("E&xit"));
        QCOMPARE(f.form.cmdVillCountRefresh->text(), QStringLiteral("Refresh"));
        QCOMPARE(f.form.Label1->text(), QStringLiteral("Qty"));
        QCOMPARE(f.form.Label2->text(), QStringLiteral("Retrains"));
        QCOMPARE(f.form.Label4->text(), QStringLiteral("Villagers"));
        const QString ruler = f.form.Label3->text();
        QCOMPARE(ruler, QStringLiteral("                               |      |      |"));
        QCOMPARE(ruler.indexOf('|'), 31);
        QCOMPARE(ruler.indexOf('|', 32), 38);
        QCOMPARE(ruler.lastIndexOf('|'), 45);
        QVERIFY(f.form.Label3->font().bold());
    }

    void fixedPitchTextArea()
    {
        FormFixture f;
        QVERIFY(QFontInfo(f.form.Memo1->font()).fixedPitch());
        QVERIFY(QFontInfo(f.form.ListBox1->font()).fixedPitch());
        QVERIFY(QFontInfo(f.form.Label3->font()).fixedPitch());
        QCOMPARE(f.form.Memo1->font().pixelSize(), 12);
    }

    void menusAndShortcuts()
    {
        FormFixture f;
        QCOMPARE(f.form.File1->title(), QStringLiteral("&File"));
        QCOMPARE(f.form.Edit1->title(), QStringLiteral("&Edit"));
        QCOMPARE(f.form.Search1->title(), QStringLiteral("&Search"));
        QCOMPARE(f.form.Help1->title(), QStringLiteral("&Help"));
        QStringList fileItems;
        for (QAction* a : f.form.File1->actions())
            fileItems << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(fileItems, (QStringList{"&New", "&Open...", "&Save", "Save &As...", "-", "E&xit"}));
        QCOMPARE(f.form.mnuNew->shortcut(), QKeySequence());
        QCOMPARE(f.form.mnuOpen->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(f.form.mnuSave->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(f.form.mnuSaveAs->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
        QCOMPARE(f.form.mnuExit->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
        QCOMPARE(f.form.mnuEditNormal->text(), QStringLiteral("Edit Normal"));
        QCOMPARE(f.form.mnuEditLines->text(), QStringLiteral("Edit Lines"));
        QCOMPARE(f.form.mnuFind->text(), QStringLiteral("Find..."));
        QCOMPARE(f.form.mnuCount->text(), QStringLiteral("Count"));
        QCOMPARE(f.form.mnuHelpHelp->text(), QStringLiteral("Help"));
        QCOMPARE(f.form.mnuHelpAbout->text(), QStringLiteral("About"));
    }

    void showingFocusesTheItemBox()
    {
        FormFixture f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.form.cboList));
        // Focused by the program: its text is selected, ready to be typed over.
        QCOMPARE(f.form.cboList->lineEdit()->selectedText(), QStringLiteral("Villager         "));
    }

    void closingWithNothingUnsavedEndsTheProgram()
    {
        FormFixture f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form));
        QVERIFY(f.form.close());
        QVERIFY(f.app.terminated());
        VERIFY_DIALOGS(f);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
