// The steps of the history, over a plain list of lines.
#include "editing/linesteps.h"

#include "support/nowarnings.h"
#include <QRandomGenerator>
#include <QTest>

namespace {

class ListStore : public LineStore {
public:
    explicit ListStore(const QStringList& lines) : lines(lines) {}
    int lineCount() const override { return int(lines.size()); }
    QString line(int row) const override { return lines.at(row); }
    void setLine(int row, const QString& text) override { lines[row] = text; }
    void insertLines(int row, const QStringList& more) override
    {
        for (int i = 0; i < more.size(); ++i)
            lines.insert(row + i, more.at(i));
    }
    void removeLines(int row, int count) override { lines.remove(row, count); }
    void moveLine(int from, int to) override { lines.move(from, to); }
    bool endsWithBreak() const override { return ends; }
    void setEndsWithBreak(bool e) override { ends = e; }
    QStringList lines;
    bool ends = true;
};

} // namespace

class TestLineSteps : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    // A seeded random session of every kind of step, each made as the window
    // makes it: undoing every step gives back the starting lines exactly,
    // and redoing every step the session's last lines.
    void undoAllAndRedoAll_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 40; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }
    void undoAllAndRedoAll()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        const QStringList start{"B109 TownCenter", "U83 Villager", "// plan"};
        ListStore store(start);
        QList<LineStep> steps;
        auto make = [&](const LineStep& step) {
            step.redo(store);
            if (steps.isEmpty() || !steps.last().absorb(step))
                steps.append(step);
        };
        auto text = [&] { return QStringLiteral("line %1").arg(random.bounded(1000)); };
        for (int action = 0; action < 200; ++action) {
            const int count = store.lineCount();
            const int row = count ? random.bounded(count) : 0;
            switch (random.bounded(6)) {
            case 0:
            case 1:
                // A keystroke, which may also take or give the final break.
                if (count)
                    make(LineStep::change(LineStep::Kind::Typing, row, {store.line(row)},
                                          {store.line(row) + QLatin1Char('x')}, store.ends,
                                          random.bounded(4) ? store.ends : !store.ends));
                break;
            case 2: make(LineStep::change(LineStep::Kind::Append, count, {}, {text()})); break;
            case 3:
                make(LineStep::change(LineStep::Kind::CreateComment, random.bounded(count + 1), {},
                                      {text(), text()}));
                break;
            case 4:
                if (count)
                    make(LineStep::change(LineStep::Kind::RemoveLine, row, {store.line(row)}, {}));
                break;
            default:
                if (count > 1)
                    make(LineStep::move(row, random.bounded(count)));
            }
        }
        const QStringList last = store.lines;
        const bool lastEnds = store.ends;
        for (int i = int(steps.size()) - 1; i >= 0; --i)
            steps.at(i).undo(store);
        QCOMPARE(store.lines, start);
        QVERIFY(store.ends);
        for (const LineStep& step : std::as_const(steps))
            step.redo(store);
        QCOMPARE(store.lines, last);
        QCOMPARE(store.ends, lastEnds);
    }

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
        ListStore store({"0", "abc"});
        step.undo(store);
        QCOMPARE(store.lines, QStringList({"0", "a"}));
        QCOMPARE(step.name(), QStringLiteral("Typing"));
    }

    // A step keeps only the lines that changed: the shared ends are left out.
    void keepsOnlyWhatChanged()
    {
        const LineStep step = LineStep::change(LineStep::Kind::Typing, 4, {"a", "b", "c"}, {"a", "bc"});
        ListStore store({"0", "1", "2", "3", "a", "bc", "5"});
        step.undo(store);
        QCOMPARE(store.lines, QStringList({"0", "1", "2", "3", "a", "b", "c", "5"}));
        QVERIFY(LineStep::change(LineStep::Kind::Typing, 0, {"a", "b"}, {"a", "b"}).changesNothing());
        QVERIFY(!LineStep::change(LineStep::Kind::Typing, 0, {"a"}, {"a"}, true, false).changesNothing());
    }
};

QTEST_GUILESS_MAIN(TestLineSteps)
#include "tst_linesteps.moc"
