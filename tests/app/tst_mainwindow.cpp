#include "about/window/aboutbox.h"
#include "about/window/helpmenu.h"
#include "app/mainwindow.h"
#include "app/statuspanels.h"
#include "buildlist/lineformat.h"
#include "buildlist/window/itempicker.h"
#include "buildlist/window/updownarrows.h"
#include "editing/window/modeswitch.h"
#include "editing/window/textpart.h"
#include "files/window/filecommands.h"
#include "search/window/countwindow.h"
#include "search/window/findcommand.h"
#include "support/controls.h"
#include "support/formfixture.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"
#include "widgets/completingcombobox.h"
#include "widgets/textbox.h"

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
        QCOMPARE(ui(f.form).itemBox->count(), 1);
        QCOMPARE(ui(f.form).itemBox->text(), QStringLiteral("Villager         "));
        QCOMPARE(ui(f.form).villagerBox->text(), QStringLiteral("0"));
        QCOMPARE(ui(f.form).quantitySpin->text(), QStringLiteral("1"));
        QCOMPARE(ui(f.form).retrainsSpin->text(), QStringLiteral("2"));
        QVERIFY(!ui(f.form).retrainsSpin->isEnabled());
        QVERIFY(!ui(f.form).retrainsArrows->isEnabled());
        QVERIFY(!ui(f.form).removeLastLineButton->isEnabled());
        QCOMPARE(f.form.panel(MainWindow::Panel::File), QString());
        QCOMPARE(f.form.panel(MainWindow::Panel::Empty), QString());
        QCOMPARE(f.form.panel(MainWindow::Panel::Mode), QStringLiteral("Normal"));
        QCOMPARE(f.form.panel(MainWindow::Panel::Column), QString());
        QCOMPARE(f.form.panel(MainWindow::Panel::Marker), QString());
        // The marker shows as "*" in its panel once the document has a
        // change that is not saved.
        f.form.document().insertLines(LineStep::Kind::Append, 1, {QStringLiteral("// x")});
        QCOMPARE(f.form.panel(MainWindow::Panel::Marker), QStringLiteral("*"));
        f.form.document().undo();
        QCOMPARE(f.form.panel(MainWindow::Panel::Marker), QString());
        VERIFY_DIALOGS(f);
    }

    void windowStateStartsAsDeclared()
    {
        FormFixture f;
        QCOMPARE(ui(f.form).files->fileName(), QString());
        QCOMPARE(ui(f.form).picker->villagerCount(), 0);
        QCOMPARE(f.form.document().position().findFrom, 0);
        QCOMPARE(ui(f.form).modes->linesMode(), false);
        QCOMPARE(f.form.document().position().insertAt, -1);
        QCOMPARE(f.form.document().position().line, 0);
    }

    void pickerStartsOnUnits()
    {
        FormFixture f;
        QVERIFY(ui(f.form).unitsRadio->isChecked());
        QVERIFY(!ui(f.form).unitLimitCheck->isHidden());
        QVERIFY(ui(f.form).buildingLimitCheck->isHidden());
        QVERIFY(ui(f.form).criticalCheck->isHidden());
        QVERIFY(!ui(f.form).unitLimitCheck->isChecked());
        QCOMPARE(ui(f.form).quantityArrows->min(), 1);
        QCOMPARE(ui(f.form).quantityArrows->max(), 10);
        QCOMPARE(ui(f.form).retrainsArrows->min(), 2);
        QCOMPARE(ui(f.form).retrainsArrows->max(), 50);
    }

    void windowAndCompanions()
    {
        FormFixture f;
        QCOMPARE(f.form.windowTitle(), QStringLiteral("Brindlecap's Vex AI Editor "));
        QCOMPARE(f.form.centralWidget()->height() + ui(f.form).statusPanels->height(), 400);
        QCOMPARE(f.form.centralWidget()->width(), 543);
        QVERIFY(!(f.form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(f.form.minimumSize(), f.form.maximumSize());
        QCOMPARE(f.app.title(), QStringLiteral("QZ Vex AI File Editor"));
        QCOMPARE(f.app.helpFile, QStringLiteral("Vexdit.hlp"));
        const AboutBox* about = named<AboutBox>(f.form, "AboutBox");
        QVERIFY(about->isHidden());
        QCOMPARE(about->windowTitle(), QStringLiteral("About"));
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
        const QMap<QString, QWidget*> controls{{"Memo1", ui(f.form).textArea},
                                               {"ListBox1", ui(f.form).lineList},
                                               {"GroupBox2", ui(f.form).itemGroup},
                                               {"GroupBox1", ui(f.form).categoryGroup},
                                               {"GroupBox3", ui(f.form).villagerGroup},
                                               {"cboList", ui(f.form).itemBox},
                                               {"txtCount", ui(f.form).quantitySpin},
                                               {"UpDown1", ui(f.form).quantityArrows},
                                               {"txtRetrains", ui(f.form).retrainsSpin},
                                               {"UpDown2", ui(f.form).retrainsArrows},
                                               {"cmdAdd", ui(f.form).appendButton},
                                               {"cmdDelete", ui(f.form).removeLastLineButton},
                                               {"cmdEdit", ui(f.form).modeButton},
                                               {"txtVillagers", ui(f.form).villagerBox},
                                               {"cmdVillCountRefresh", ui(f.form).refreshVillagersButton},
                                               {"Image1", ui(f.form).toilet},
                                               {"cmdExit", ui(f.form).exitButton}};
        QCOMPARE(controls.value(name)->geometry(), rect);
    }

    void captionsAndRuler()
    {
        FormFixture f;
        QCOMPARE(ui(f.form).appendButton->text(), QStringLiteral("Append"));
        QCOMPARE(ui(f.form).removeLastLineButton->text(), QStringLiteral("Undo"));
        QCOMPARE(ui(f.form).modeButton->text(), QStringLiteral("Edit Lines"));
        QCOMPARE(ui(f.form).modeButton->toolTip(), QStringLiteral("Drag & drop"));
        QCOMPARE(ui(f.form).exitButton->text(), QStringLiteral("E&xit"));
        QCOMPARE(ui(f.form).refreshVillagersButton->text(), QStringLiteral("Refresh"));
        QCOMPARE(ui(f.form).quantityLabel->text(), QStringLiteral("Qty"));
        QCOMPARE(ui(f.form).retrainsLabel->text(), QStringLiteral("Retrains"));
        QCOMPARE(ui(f.form).villagersLabel->text(), QStringLiteral("Villagers"));
        const QString ruler = ui(f.form).ruler->text();
        QCOMPARE(ruler, QStringLiteral("                               |      |      |"));
        QCOMPARE(ruler.indexOf('|'), 31);
        QCOMPARE(ruler.indexOf('|', 32), 38);
        QCOMPARE(ruler.lastIndexOf('|'), 45);
        QVERIFY(ui(f.form).ruler->font().bold());
    }

    void fixedPitchTextArea()
    {
        FormFixture f;
        QVERIFY(QFontInfo(ui(f.form).textArea->font()).fixedPitch());
        QVERIFY(QFontInfo(ui(f.form).lineList->font()).fixedPitch());
        QVERIFY(QFontInfo(ui(f.form).ruler->font()).fixedPitch());
        QCOMPARE(ui(f.form).textArea->font().pixelSize(), 12);
    }

    void menusAndShortcuts()
    {
        FormFixture f;
        QCOMPARE(ui(f.form).fileMenu->title(), QStringLiteral("&File"));
        QCOMPARE(ui(f.form).editMenu->title(), QStringLiteral("&Edit"));
        QCOMPARE(ui(f.form).searchMenu->title(), QStringLiteral("&Search"));
        QCOMPARE(ui(f.form).helpMenu->title(), QStringLiteral("&Help"));
        QStringList fileItems;
        for (QAction* a : ui(f.form).fileMenu->actions())
            fileItems << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(fileItems,
                 (QStringList{"&New", "&Open...", "Open &Recent", "&Save", "Save &As...", "-", "E&xit"}));
        QCOMPARE(ui(f.form).newAction->shortcut(), QKeySequence());
        QCOMPARE(ui(f.form).openAction->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(ui(f.form).saveAction->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(ui(f.form).saveAsAction->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
        QCOMPARE(ui(f.form).exitAction->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
        QCOMPARE(ui(f.form).editNormalAction->text(), QStringLiteral("Edit Normal"));
        QCOMPARE(ui(f.form).editLinesAction->text(), QStringLiteral("Edit Lines"));
        QCOMPARE(ui(f.form).findAction->text(), QStringLiteral("Find..."));
        QCOMPARE(ui(f.form).countAction->text(), QStringLiteral("Count"));
        QCOMPARE(ui(f.form).helpAction->text(), QStringLiteral("Help"));
        QCOMPARE(ui(f.form).aboutAction->text(), QStringLiteral("About"));
    }

    void showingFocusesTheItemBox()
    {
        FormFixture f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui(f.form).itemBox));
        // Focused by the program: its text is selected, ready to be typed over.
        QCOMPARE(ui(f.form).itemBox->lineEdit()->selectedText(), QStringLiteral("Villager         "));
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
