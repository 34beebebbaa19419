// The build list document: its edits, their history and the saved point,
// without a window. A view here is a plain list kept by the document's
// signals, as the text area and the list keep theirs.
#include "buildlist/availability.h"
#include "buildlist/buildlist.h"
#include "buildlist/steprecord.h"
#include "model/errors.h"

#include "support/nowarnings.h"
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

namespace {

// The document's caret, as a view would move it and read it.
class Caret {
public:
    explicit Caret(BuildList& list) : list_(list) {}
    void operator=(int caret)
    {
        EditPosition p = list_.position();
        p.caret = caret;
        list_.setPosition(p);
    }
    void operator++() { *this = int(*this) + 1; }
    operator int() const { return list_.position().caret; }

private:
    BuildList& list_;
};

// A view that follows the document only through its signals.
class View {
public:
    explicit View(BuildList& list) : list_(list), lines(list.lines())
    {
        QObject::connect(&list, &BuildList::linesChanged, [this](int row, int removed, int inserted) {
            lines.remove(row, removed);
            for (int i = 0; i < inserted; ++i)
                lines.insert(row + i, list_.line(row + i));
        });
        QObject::connect(&list, &BuildList::lineMoved, [this](int from, int to) { lines.move(from, to); });
    }
    BuildList& list_;
    QStringList lines;
};

const QStringList kWXYZ = {"W", "X", "Y", "Z"};

} // namespace

class TestBuildList : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    // Each edit, undone and redone: the lines, the final break and a view
    // that follows the signals come back each time; the step has its name.
    void eachEditUndoesAndRedoes_data()
    {
        QTest::addColumn<int>("edit");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<bool>("endsAfter");
        QTest::addColumn<QString>("name");
        QTest::newRow("insert first") << 0 << QStringList{"A", "W", "X", "Y", "Z"} << true << "Insert";
        QTest::newRow("append") << 1 << QStringList{"W", "X", "Y", "Z", "A"} << true << "Append";
        QTest::newRow("remove the last") << 2 << QStringList{"W", "X", "Y"} << true << "Remove Line";
        QTest::newRow("remove all") << 3 << QStringList{} << true << "Remove Line";
        QTest::newRow("move down") << 4 << QStringList{"X", "Y", "W", "Z"} << true << "Move Line";
        QTest::newRow("move up") << 5 << QStringList{"Z", "W", "X", "Y"} << true << "Move Line";
        QTest::newRow("type on a line") << 6 << QStringList{"W", "Xa", "Y", "Z"} << true << "Typing";
        QTest::newRow("Delete joins the next line") << 7 << QStringList{"W", "XY", "Z"} << true << "Typing";
        QTest::newRow("the final break typed away")
            << 8 << QStringList{"W", "X", "Y", "Z"} << false << "Typing";
        QTest::newRow("a comment of two lines")
            << 9 << QStringList{"W", "X", "// a", "// b", "Y", "Z"} << true << "Create Comment";
    }
    void eachEditUndoesAndRedoes()
    {
        QFETCH(int, edit);
        QFETCH(QStringList, after);
        QFETCH(bool, endsAfter);
        QFETCH(QString, name);
        BuildList list;
        list.reset(kWXYZ);
        View view(list);
        switch (edit) {
        case 0: list.insertLines(LineStep::Kind::Insert, 0, {"A"}); break;
        case 1: list.insertLines(LineStep::Kind::Append, 4, {"A"}); break;
        case 2: list.removeLines(LineStep::Kind::RemoveLine, 3, 1); break;
        case 3: list.removeLines(LineStep::Kind::RemoveLine, 0, 4); break;
        case 4: list.moveLine(0, 2); break;
        case 5: list.moveLine(3, 0); break;
        case 6: list.type(1, 1, {"Xa"}, true); break;
        case 7: list.type(1, 2, {"XY"}, true); break;
        case 8: list.type(3, 1, {"Z"}, false); break;
        case 9: list.insertLines(LineStep::Kind::CreateComment, 2, {"// a", "// b"}); break;
        }
        QCOMPARE(list.lines(), after);
        QCOMPARE(list.endsWithBreak(), endsAfter);
        QCOMPARE(view.lines, after);
        QCOMPARE(list.undoName(), name);
        QCOMPARE(list.stepCount(), 1);
        list.undo();
        QCOMPARE(list.lines(), kWXYZ);
        QVERIFY(list.endsWithBreak());
        QCOMPARE(view.lines, kWXYZ);
        QCOMPARE(list.redoName(), name);
        QVERIFY(!list.isModified());
        list.redo();
        QCOMPARE(list.lines(), after);
        QCOMPARE(list.endsWithBreak(), endsAfter);
        QCOMPARE(view.lines, after);
        QVERIFY(list.isModified());
    }

    // Keystrokes on one line make one step; Undo takes them all back, and
    // Redo leaves the caret where the last keystroke left it, not the first.
    void typingMergesAndRedoesToTheLastKeystroke()
    {
        BuildList list;
        Caret caret(list);
        list.reset(kWXYZ);
        caret = 3;
        for (const char* typed : {"Xa", "Xab", "Xabc"}) {
            BuildList::Change change(list, LineStep::Kind::Typing);
            list.type(1, 1, {QString::fromLatin1(typed)}, true);
            ++caret;
        }
        QCOMPARE(list.stepCount(), 1);
        list.undo();
        QCOMPARE(list.lines(), kWXYZ);
        QCOMPARE(int(caret), 3);
        list.redo();
        QCOMPARE(list.line(1), QStringLiteral("Xabc"));
        QCOMPARE(int(caret), 6);
        // Another line, or typing ended, starts another step.
        list.type(2, 1, {"Ya"}, true);
        list.endTyping();
        list.type(2, 1, {"Yab"}, true);
        QCOMPARE(list.stepCount(), 3);
    }

    // The caret moved along the line being typed: Redo goes back there.
    void typingGoesOnToWhereTheCaretWent()
    {
        BuildList list;
        Caret caret(list);
        list.reset(kWXYZ);
        list.type(0, 1, {"Wa"}, true);
        caret = 9;
        list.typingGoesOn();
        caret = 0;
        list.undo();
        list.redo();
        QCOMPARE(int(caret), 9);
    }

    // Delete at a line's end joins the next line on: one step, and Undo
    // brings both lines back whole.
    void deleteJoinIsUndoneWhole()
    {
        BuildList list;
        list.reset({"AAAA", "BBBB", "CCCC"});
        list.type(0, 1, {"AAA"}, true); // a character deleted first
        list.endTyping();
        list.type(0, 2, {"AAABBBB"}, true);
        QCOMPARE(list.lines(), (QStringList{"AAABBBB", "CCCC"}));
        list.undo();
        QCOMPARE(list.lines(), (QStringList{"AAA", "BBBB", "CCCC"}));
        list.undo();
        QCOMPARE(list.lines(), (QStringList{"AAAA", "BBBB", "CCCC"}));
    }

    // The saved point: Undo back to it is saved; a text that gained its
    // final break (as the list takes its place) is not, and stays unsaved
    // whatever is undone; typing does not merge into a saved step.
    void theSavedPoint()
    {
        BuildList list;
        list.reset(kWXYZ);
        QSignalSpy modified(&list, &BuildList::modifiedChanged);
        list.type(0, 1, {"Wa"}, true);
        QVERIFY(list.isModified());
        list.markSaved();
        QVERIFY(!list.isModified());
        list.type(0, 1, {"Wab"}, true); // not merged into the saved step
        QCOMPARE(list.stepCount(), 2);
        list.undo();
        QVERIFY(!list.isModified());
        list.undo();
        QVERIFY(list.isModified());
        QCOMPARE(modified.count(), 5);

        BuildList unbroken;
        unbroken.reset({"W", "X"}, false);
        QVERIFY(!unbroken.isModified());
        unbroken.gainFinalBreak();
        QVERIFY(unbroken.endsWithBreak());
        QVERIFY(unbroken.isModified());
        unbroken.insertLines(LineStep::Kind::Insert, 0, {"A"});
        unbroken.undo();
        QVERIFY(unbroken.isModified());
        QVERIFY(unbroken.endsWithBreak()); // Undo keeps the break gained
        unbroken.gainFinalBreak(); // once only
        unbroken.redo();
        QCOMPARE(unbroken.lines(), (QStringList{"A", "W", "X"}));
    }

    // A new step after Undo drops the steps undone; a saved point among
    // them is out of reach. The oldest steps go past the limit, and the
    // saved point with them.
    void stepsOutOfReach()
    {
        BuildList list;
        list.reset(kWXYZ);
        list.insertLines(LineStep::Kind::Append, 4, {"A"});
        list.markSaved();
        list.undo();
        list.insertLines(LineStep::Kind::Append, 4, {"B"});
        QVERIFY(!list.canRedo());
        list.undo();
        QVERIFY(list.isModified()); // the saved text had "A"

        BuildList full;
        full.reset({});
        full.markSaved();
        for (int i = 0; i <= BuildList::kMostSteps; ++i)
            full.insertLines(LineStep::Kind::Append, i, {QString::number(i)});
        QCOMPARE(full.stepCount(), BuildList::kMostSteps);
        while (full.canUndo())
            full.undo();
        QCOMPARE(full.lines(), QStringList{"0"});
        QVERIFY(full.isModified());
    }

    // Edits in one Change make one step, with the window as it is when the
    // Change closes; a single move stays a move.
    void oneChangeOneStep()
    {
        BuildList list;
        Caret caret(list);
        list.reset(kWXYZ);
        {
            BuildList::Change change(list, LineStep::Kind::CreateComment);
            list.insertLines(LineStep::Kind::CreateComment, 1, {"// a"});
            list.insertLines(LineStep::Kind::CreateComment, 4, {"// b"});
            caret = 7;
        }
        QCOMPARE(list.stepCount(), 1);
        QCOMPARE(list.undoName(), QStringLiteral("Create Comment"));
        caret = 0;
        list.undo();
        QCOMPARE(list.lines(), kWXYZ);
        list.redo();
        QCOMPARE(list.lines(), (QStringList{"W", "// a", "X", "Y", "// b", "Z"}));
        QCOMPARE(int(caret), 7);
        {
            BuildList::Change change(list, LineStep::Kind::MoveLine);
            list.moveLine(5, 0);
        }
        QCOMPARE(list.undoName(), QStringLiteral("Move Line"));
        QCOMPARE(list.line(0), QStringLiteral("Z"));
    }

    // An edit that does not fit the lines is refused whole; one that ends
    // exactly at the last line is not.
    void editsOutsideTheLinesAreRefused()
    {
        BuildList list;
        list.reset(kWXYZ);
        list.removeLines(LineStep::Kind::RemoveLine, 3, 1);
        QVERIFY_THROWS_EXCEPTION(ListIndexError, list.removeLines(LineStep::Kind::RemoveLine, 2, 2));
        QVERIFY_THROWS_EXCEPTION(ListIndexError, list.insertLines(LineStep::Kind::Insert, 4, {"A"}));
        QVERIFY_THROWS_EXCEPTION(ListIndexError, list.moveLine(0, 3));
        QVERIFY_THROWS_EXCEPTION(ListIndexError, list.type(-1, 1, {"A"}, true));
        QCOMPARE(list.lines(), (QStringList{"W", "X", "Y"}));
        QCOMPARE(list.stepCount(), 1);
        list.insertLines(LineStep::Kind::Append, 3, {"A"});
        QCOMPARE(list.line(3), QStringLiteral("A"));
    }

    // A part's own record around the steps: after any mix of steps, Undo
    // and Redo (enough for the history to let go of old steps and of undone
    // ones), Undo shows what the part showed as the step began, and Redo
    // what it showed as it ended, changes made between steps included.
    void stepRecordFollowsTheHistory()
    {
        QRandomGenerator random(7);
        BuildList list;
        list.reset({QStringLiteral("A")});
        QObject context;
        int shown = 0;
        StepRecord<int> record;
        record.keep(
            list, &context, [&] { return shown; }, [&](int value) { shown = value; });
        std::vector<std::pair<int, int>> done, undone; // (as begun, as ended)
        for (int i = 1; i <= 6000; ++i) {
            const int op = int(random.bounded(10));
            if (op < 5) {
                const int before = shown;
                {
                    const BuildList::Change change(list, LineStep::Kind::Append);
                    list.insertLines(LineStep::Kind::Append, list.lineCount(), {QString::number(i)});
                    shown = i;
                }
                done.emplace_back(before, i);
                undone.clear();
                if (done.size() > std::size_t(BuildList::kMostSteps))
                    done.erase(done.begin());
            } else if (op < 7 && !done.empty()) {
                list.undo();
                undone.push_back(done.back());
                done.pop_back();
                QCOMPARE(shown, undone.back().first);
            } else if (op < 9 && !undone.empty()) {
                list.redo();
                done.push_back(undone.back());
                undone.pop_back();
                QCOMPARE(shown, done.back().second);
            } else {
                shown = -i; // shown anew outside any step, as a Refresh does
            }
        }
        QCOMPARE(list.stepCount(), int(done.size() + undone.size()));
    }

    // What the picker offers, with the texts known to be absent left out of
    // its searches, is what a search of every line offers, whatever the
    // lines went through.
    void absentTextsFollowTheLines()
    {
        Catalog catalog;
        catalog.fill();
        const QStringList pool{"B109 TownCenter", "B2 Barracks", "B87 Archery",
                               "R101 R_Age_Tool", "// Age Iron", "// Metalurgy",
                               "U83 Villager",    "B84 Market",  "// x"};
        QRandomGenerator random(11);
        BuildList list;
        list.reset({pool.at(0)});
        for (int round = 0; round < 600; ++round) {
            const int n = list.lineCount();
            const QString some = pool.at(int(random.bounded(pool.size())));
            switch (random.bounded(7)) {
            case 0: list.insertLines(LineStep::Kind::Insert, int(random.bounded(n + 1)), {some}); break;
            case 1:
                if (n > 1)
                    list.removeLines(LineStep::Kind::RemoveLine, int(random.bounded(n)), 1);
                break;
            case 2:
                if (n)
                    list.type(int(random.bounded(n)), 1, {some}, true);
                break;
            case 3: list.undo(); break;
            case 4: list.redo(); break;
            case 5:
                if (random.bounded(10) == 0)
                    list.reset({pool.at(0), some});
                break;
            case 6:
                if (n)
                    list.moveLine(int(random.bounded(n)), int(random.bounded(n)));
                break;
            }
            for (Category category : {Category::Units, Category::Buildings, Category::Research})
                QVERIFY2(offeredRows(catalog, category, list.lines(), &list.absentTexts())
                             == offeredRows(catalog, category, list.lines()),
                         qPrintable(QStringLiteral("round %1").arg(round)));
        }
    }

    // A seeded session of random edits, Undo, Redo and saves: after every
    // step a view that follows the signals equals the document, and the
    // marker says whether the text differs from the text last saved, as far
    // as the history can tell. Undoing everything gives the first text back
    // and redoing as many steps the last.
    void randomSessionKeepsEverythingEqual()
    {
        for (quint32 seed = 1; seed <= 40; ++seed) {
            QRandomGenerator random(seed);
            BuildList list;
            QStringList start;
            for (int i = 0; i < 6; ++i)
                start << QStringLiteral("L%1").arg(i);
            list.reset(start);
            View view(list);
            QString savedText = list.text();
            for (int round = 0; round < 300; ++round) {
                const int n = list.lineCount();
                const int row = n ? int(random.bounded(n)) : 0;
                switch (random.bounded(9)) {
                case 0: list.insertLines(LineStep::Kind::Insert, int(random.bounded(n + 1)), {"I"}); break;
                case 1:
                    if (n)
                        list.removeLines(LineStep::Kind::RemoveLine, row, 1);
                    break;
                case 2:
                    if (n)
                        list.moveLine(row, int(random.bounded(n)));
                    break;
                case 3:
                    if (n)
                        list.type(row, 1, {list.line(row) + QLatin1Char('t')}, list.endsWithBreak());
                    break;
                case 4:
                    if (n >= 2 && row + 1 < n) // Delete joins two lines
                        list.type(row, 2, {list.line(row) + list.line(row + 1)}, list.endsWithBreak());
                    break;
                case 5:
                    if (n) // the final break typed away or back
                        list.type(n - 1, 1, {list.line(n - 1)}, !list.endsWithBreak());
                    break;
                case 6: list.undo(); break;
                case 7: list.redo(); break;
                case 8:
                    if (random.bounded(4) == 0) {
                        list.markSaved();
                        savedText = list.text();
                    } else {
                        list.endTyping();
                    }
                    break;
                }
                const QString what = QStringLiteral("seed %1 round %2").arg(seed).arg(round);
                // Unsaved work is never shown as saved.
                if (list.text() != savedText)
                    QVERIFY2(list.isModified(), qPrintable(what));
            }
            const QStringList last = list.lines();
            const bool lastEnds = list.endsWithBreak();
            int undone = 0;
            for (; list.canUndo(); ++undone)
                list.undo();
            QCOMPARE(list.lines(), start);
            QVERIFY(list.endsWithBreak());
            QCOMPARE(view.lines, list.lines());
            while (undone-- > 0)
                list.redo();
            QCOMPARE(list.lines(), last);
            QCOMPARE(list.endsWithBreak(), lastEnds);
            QCOMPARE(view.lines, last);
        }
    }
};

QTEST_GUILESS_MAIN(TestBuildList)
#include "tst_buildlist.moc"
