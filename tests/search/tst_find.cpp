#include "app/mainwindow.h"
#include "buildlist/buildlist.h"
#include "buildlist/lineformat.h"
#include "editing/window/modeswitch.h"
#include "editing/window/textpart.h"
#include "search/window/findcommand.h"
#include "search/window/finddialog.h"
#include "support/controls.h"
#include "support/formfixture.h"
#include "widgets/application.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"
#include "widgets/textbox.h"

#include "search/window/findmessages.h"
#include "support/nowarnings.h"
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QStringList kLines{
    QString::fromLatin1(kStartingLine),
    QStringLiteral("U83       Villager             3      109       "),
    QStringLiteral("B87       Archery              1      -1        "),
    QStringLiteral("// some archers and a villager").leftJustified(48),
    QStringLiteral("R56       R_Archer_Impr        1      87        "),
    QStringLiteral("U39       Archer_Cavalry       1      87        "),
};

void find(FormFixture& f, const QString& text)
{
    ui(f.form).findDialog->setFindText(text);
    ui(f.form).findDialog->pressFindNext();
}

} // namespace

class TestFind : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    // Find alone, on a build list of its own: which line each search
    // finds, from where, and what it asks at the end. The window's part
    // (entering Lines mode, selecting) answers its signals elsewhere.
    void findCommandAlone_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("answers"); // Yes to going on from the top, this many times
        QTest::addColumn<QList<int>>("found");
        QTest::addColumn<int>("messages");
        QTest::addColumn<int>("nextFrom");
        QTest::newRow("first from the top") << 0 << "archer" << 0 << QList<int>{2} << 0 << 3;
        QTest::newRow("nothing selected searches from the top")
            << -1 << "VILLAGER" << 0 << QList<int>{1} << 0 << 2;
        QTest::newRow("starts on the start line itself") << 3 << "archer" << 0 << QList<int>{3} << 0 << 4;
        QTest::newRow("the next after a hit") << 4 << "archer" << 0 << QList<int>{4} << 0 << 5;
        QTest::newRow("the last line") << 5 << "cavalry" << 0 << QList<int>{5} << 0 << 6;
        QTest::newRow("past the last asks, No stops") << 6 << "archer" << -1 << QList<int>{} << 1 << 6;
        QTest::newRow("past the last asks, Yes goes on from the top")
            << 6 << "archer" << 1 << QList<int>{2} << 1 << 3;
        QTest::newRow("from the top, nowhere: one message") << 0 << "zebra" << 0 << QList<int>{} << 1 << 0;
        QTest::newRow("from lower down, nowhere: asks, then says so")
            << 2 << "zebra" << 1 << QList<int>{} << 2 << 0;
        QTest::newRow("an empty text finds nothing") << 0 << "" << 0 << QList<int>{} << 1 << 0;
    }
    void findCommandAlone()
    {
        QFETCH(int, from);
        QFETCH(QString, text);
        QFETCH(int, answers);
        QFETCH(QList<int>, found);
        QFETCH(int, messages);
        QFETCH(int, nextFrom);
        PartFixture p(kLines);
        ScriptedDialogs& dialogs = p.dialogs;
        FindCommand command(p.app, p.document, &p.window);
        EditPosition start = p.document.position();
        start.findFrom = from;
        p.document.setPosition(start);
        QSignalSpy searching(&command, &FindCommand::searching);
        // Each hit selects its line.
        QList<int> lines;
        connect(&p.document, &BuildList::positionChanged, this, [&] {
            const int selected = p.document.position().selectedRow;
            if (selected >= 0 && (lines.isEmpty() || lines.last() != selected))
                lines << selected;
        });
        if (answers < 0)
            dialogs.expectMessage(MsgResult::No);
        for (int i = 0; i < answers; ++i)
            dialogs.expectMessage(MsgResult::Yes);
        if (messages > qMax(answers, 0) && answers >= 0)
            dialogs.expectMessage();
        auto* dialog = named<FindDialog>(p.window, "dlgFind");
        dialog->setFindText(text);
        command.findNext();
        QCOMPARE(lines, found);
        QCOMPARE(dialogs.messages.size(), messages);
        // A search that started at the top and found nothing says so; one
        // from lower down asks to go on from the top.
        for (int i = 0; i < messages; ++i) {
            const bool lastOfAnEmptyPass = found.isEmpty() && i == messages - 1 && answers >= 0;
            const QString expected =
                lastOfAnEmptyPass ? FindMessages::kCannotFind.arg(text) : FindMessages::kEndOfList;
            QCOMPARE(dialogs.messages.at(i).text, expected);
        }
        QCOMPARE(p.document.position().findFrom, nextFrom);
        QVERIFY(searching.size() >= 1);
        // Found or not, Insert goes below the selected line.
        QCOMPARE(p.document.position().insertAt, p.document.position().selectedRow + 1);
        QCOMPARE(p.document.lines(), kLines); // Find changes no line
        VERIFY_DIALOGS(p);
    }

    void findFromNormalModeSwitchesAndSelects()
    {
        FormFixture f;
        f.setLines(kLines);
        ui(f.form).findAction->trigger();
        QCOMPARE(f.dialogs.modeless.size(), 1);
        QCOMPARE(f.dialogs.modeless.at(0), static_cast<QWidget*>(ui(f.form).findDialog));
        QVERIFY(ui(f.form).findDialog->isVisible());
        int clicks = 0;
        QObject::connect(ui(f.form).lineList, &BuildListView::clickedByUser, [&] { ++clicks; });
        find(f, QStringLiteral("VILLAGER"));
        QVERIFY(ui(f.form).modes->linesMode());
        QCOMPARE(f.form.panel(MainWindow::Panel::Mode), QStringLiteral("Lines"));
        QCOMPARE(ui(f.form).lineList->itemIndex(), 1);
        QCOMPARE(f.form.document().position().findFrom, 2);
        QCOMPARE(f.form.document().position().insertAt, 2);
        QCOMPARE(clicks, 0); // a hit is selected by program
        find(f, QStringLiteral("villager"));
        QCOMPARE(ui(f.form).lineList->itemIndex(), 3);
        QCOMPARE(f.form.document().position().findFrom, 4);
        VERIFY_DIALOGS(f);
    }

    void endOfListAsksToWrap()
    {
        FormFixture f;
        f.setLines(kLines);
        choose(ui(f.form).findAction);
        find(f, QStringLiteral("villager"));
        find(f, QStringLiteral("villager"));
        f.dialogs.expectMessage(MsgResult::No);
        find(f, QStringLiteral("villager"));
        const auto& m = f.dialogs.messages.at(0);
        QCOMPARE(m.text, FindMessages::kEndOfList);
        QCOMPARE(m.title, FindMessages::kNotFoundTitle);
        QCOMPARE(m.buttons, MsgButtons::YesNo);
        QCOMPARE(m.icon, MsgIcon::Question);
        QCOMPARE(m.defaultButton, MsgResult::Yes);
        QCOMPARE(ui(f.form).lineList->itemIndex(), 3); // No keeps the last hit
        QCOMPARE(f.form.document().position().insertAt, 4);
        f.dialogs.expectMessage(MsgResult::Yes);
        find(f, QStringLiteral("villager"));
        QCOMPARE(ui(f.form).lineList->itemIndex(), 1); // Yes starts from the top
        QCOMPARE(f.form.document().position().findFrom, 2);
        VERIFY_DIALOGS(f);
    }

    void substringsMatchInAnyCase()
    {
        FormFixture f;
        f.setLines(kLines);
        choose(ui(f.form).findAction);
        QList<int> hits;
        for (int i = 0; i < 4; ++i) {
            find(f, QStringLiteral("arch"));
            hits << ui(f.form).lineList->itemIndex();
        }
        QCOMPARE(hits, (QList<int>{2, 3, 4, 5}));
    }

    // A text that is nowhere: a pass from the top ends with one message;
    // a pass from further down asks to wrap first, and Yes ends with it.
    // Each question and message is scripted; one more would fail the case.
    void absentTextEndsWithOneMessage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("startAt"); // the line selected before Find; -1 none
        QTest::addColumn<bool>("asksToWrap");
        QTest::newRow("from the first line") << "zzz" << 0 << false;
        QTest::newRow("with nothing selected") << "zzz" << -1 << false;
        QTest::newRow("empty text") << "" << 0 << false;
        QTest::newRow("from the second line") << "zzz" << 1 << true;
        QTest::newRow("only above the start") << "b109" << 1 << true;
    }
    void absentTextEndsWithOneMessage()
    {
        QFETCH(QString, text);
        QFETCH(int, startAt);
        QFETCH(bool, asksToWrap);
        FormFixture f;
        f.setLines(kLines);
        ui(f.form).modeButton->click();
        if (startAt < 0)
            f.form.document().selectLine(-1); // as a click that selects nothing
        else
            clickRow(ui(f.form).lineList, startAt);
        choose(ui(f.form).findAction);
        if (asksToWrap)
            f.dialogs.expectMessage(MsgResult::Yes);
        const bool present = text == "b109";
        if (!present)
            f.dialogs.expectMessage(MsgResult::OK);
        find(f, text);
        QCOMPARE(f.dialogs.messages.size(), int(asksToWrap) + int(!present));
        if (asksToWrap)
            QCOMPARE(f.dialogs.messages.first().text, FindMessages::kEndOfList);
        if (present) {
            QCOMPARE(ui(f.form).lineList->itemIndex(), 0);
            VERIFY_DIALOGS(f);
            return;
        }
        const auto& m = f.dialogs.messages.last();
        QCOMPARE(m.text, QStringLiteral("Cannot find \"%1\".").arg(text));
        QCOMPARE(m.title, FindMessages::kNotFoundTitle);
        QCOMPARE(m.buttons, MsgButtons::OK);
        QCOMPARE(ui(f.form).lineList->itemIndex(), startAt); // the selection stays
        QCOMPARE(f.form.document().position().insertAt, startAt + 1);
        VERIFY_DIALOGS(f);
    }

    void linesModeStartsAtTheClickedLine()
    {
        FormFixture f;
        f.setLines(kLines);
        ui(f.form).modeButton->click();
        clickRow(ui(f.form).lineList, 5);
        choose(ui(f.form).findAction);
        QCOMPARE(f.form.document().position().findFrom, 5);
        find(f, QStringLiteral("cavalry"));
        QCOMPARE(ui(f.form).lineList->itemIndex(), 5);
    }

    void searchFromNothingSelectedStartsAtTheTop()
    {
        FormFixture f;
        f.setLines(kLines);
        ui(f.form).modeButton->click();
        f.form.document().selectLine(-1); // as a click that selects nothing
        QCOMPARE(f.form.document().position().findFrom, -1);
        choose(ui(f.form).findAction);
        find(f, QStringLiteral("b109"));
        QCOMPARE(ui(f.form).lineList->itemIndex(), 0);
        VERIFY_DIALOGS(f);
    }

    void accentedTextsMatchInAnyCase()
    {
        FormFixture f;
        f.setLines({line48("// plain"), line48(QStringLiteral("// CAF\u00c9 au lait"))});
        choose(ui(f.form).findAction);
        find(f, QStringLiteral("caf\u00e9"));
        QCOMPARE(ui(f.form).lineList->itemIndex(), 1);
    }

    void findNextButtonRunsTheSearch()
    {
        FormFixture f;
        f.setLines(kLines);
        choose(ui(f.form).findAction);
        QTest::keyClicks(ui(*ui(f.form).findDialog).findText, QStringLiteral("Archery"));
        QTest::mouseClick(ui(*ui(f.form).findDialog).findNext, Qt::LeftButton);
        QCOMPARE(ui(f.form).lineList->itemIndex(), 2);
    }
};

QTEST_MAIN(TestFind)
#include "tst_find.moc"
