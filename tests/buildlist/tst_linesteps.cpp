// The steps of the history, over a plain list of lines. Whole sessions of
// them are undone and redone on the real window by tst_session.
#include "buildlist/linesteps.h"

#include "support/nowarnings.h"
#include <QTest>

class TestLineSteps : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    // Keystrokes on one line make one step; another line starts another.
    void typingMergesOnOneLine()
    {
        const auto typing = [](int row, const QString& before, const QString& after) {
            return LineStep::change(LineStep::Kind::Typing, row, {before}, {after});
        };
        LineStep step = typing(1, "a", "ab");
        QVERIFY(step.absorb(typing(1, "ab", "abc")));
        QVERIFY(!step.absorb(typing(2, "x", "xy")));
        QVERIFY(!step.absorb(typing(1, "zzz", "zzzy"))); // not where the step left the line
        QVERIFY(!step.absorb(LineStep::change(LineStep::Kind::Append, 3, {}, {"z"})));
        PlainLines store({"0", "abc"});
        step.undo(store);
        QCOMPARE(store.lines, QStringList({"0", "a"}));
        QCOMPARE(step.name(), QStringLiteral("Typing"));
    }

    // A step keeps only the lines that changed: the shared ends are left out.
    void keepsOnlyWhatChanged()
    {
        const LineStep step = LineStep::change(LineStep::Kind::Typing, 4, {"a", "b", "c"}, {"a", "bc"});
        PlainLines store({"0", "1", "2", "3", "a", "bc", "5"});
        step.undo(store);
        QCOMPARE(store.lines, QStringList({"0", "1", "2", "3", "a", "b", "c", "5"}));
        QVERIFY(LineStep::change(LineStep::Kind::Typing, 0, {"a", "b"}, {"a", "b"}).changesNothing());
        QVERIFY(!LineStep::change(LineStep::Kind::Typing, 0, {"a"}, {"a"}, true, false).changesNothing());
    }
};

QTEST_GUILESS_MAIN(TestLineSteps)
#include "tst_linesteps.moc"
