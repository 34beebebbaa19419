// The real program in a real X session: its own start-up, dialogs and end,
// driven by keys and clicks through the X server.
#include "files/window/filemessages.h"
#include "realprogram.h"

#include "support/nowarnings.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QThread>
#include <unistd.h>

namespace {

const QByteArray kStartingLine = "B109      TownCenter           1      -1        ";
const QByteArray kVillagers(int quantity)
{
    return "U83       Villager             " + QByteArray::number(quantity) + "      109       ";
}
const QString kQuestion = FileMessages::kSureTitle;
const QString kMainTitle = QStringLiteral("Brindlecap's Vex AI Editor ");

// Points of the main window's client area, from the window's layout.
const QPoint kAppend(488, 30);
const QPoint kEditMode(488, 85);
const QPoint kExitButton(486, 353);
const QPoint kTextAreaFirstLine(220, 120);
const QPoint kItemBoxArrow(189, 37);
const QPoint kQuantityBox(72, 75);
const QPoint kQuantityUp(92, 70);
const QPoint kTownCenterName(113, 123); // "TownCenter" in the text area's first line
const QPoint kToilet(260, 354);
const QPoint kUnitsRadio(247, 31);
const QPoint kBuildingsRadio(247, 55);
// The rows of the list in Lines mode.
QPoint listRow(int row)
{
    return {200, 119 + 14 * row};
}
// The Count window.
const QPoint kCountText(200, 100);
const QPoint kGetCount(224, 28);
const QPoint kCreateComment(156, 228);
// The Check Order window's first row.
const QPoint kFirstProblem(100, 20);

QByteArray line48(const QByteArray& start)
{
    return start.leftJustified(48, ' ');
}

// A list with one problem for Check Order: the Archer, line 3, stands
// above the Archery it needs.
QList<QByteArray> archerAboveArchery()
{
    return {kStartingLine, line48("R101      R_Age_Tool           1      109"),
            line48("U4        Archer               1      87"),
            line48("B87       Archery              1      -1")};
}

QByteArray crlfLines(const QList<QByteArray>& lines)
{
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What a screen reader reads of the program, over AT-SPI from outside the
// program: a line for each focus or selection event, and the answers to
// commands (see atspi-client.py).
class ScreenReader {
public:
    ~ScreenReader()
    {
        client_.kill();
        client_.waitForFinished();
    }
    bool start()
    {
        client_.start(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral(VEXDIT_ATSPI_CLIENT), QStringLiteral("Vexdit")});
        return QTest::qWaitFor([&] { return heard().contains(QStringLiteral("ready")); }, 15000);
    }
    // Everything heard so far, and from a mark on.
    QStringList heard()
    {
        lines_ +=
            QString::fromUtf8(client_.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return lines_;
    }
    int mark() { return int(heard().size()); }
    QStringList heardSince(int mark) { return heard().mid(mark); }
    // Sends a command and returns what was heard up to its last line, which
    // starts with `answer`; nothing when it did not come.
    QStringList ask(const QString& command, const QString& answer, int timeoutMs = 15000)
    {
        const int from = mark();
        client_.write((command + QLatin1Char('\n')).toUtf8());
        int end = -1;
        const bool came = QTest::qWaitFor(
            [&] {
                const QStringList since = heardSince(from);
                for (int i = 0; i < since.size() && end < 0; ++i)
                    if (since.at(i).startsWith(answer))
                        end = i;
                return end >= 0;
            },
            timeoutMs);
        return came ? heardSince(from).mid(0, end + 1) : QStringList();
    }

private:
    QProcess client_;
    QStringList lines_;
};

// The names heard as the focus moved, in order. The focus told again on
// the object that has it says nothing new: a screen reader keeps quiet.
QStringList focusNames(const QStringList& heard)
{
    QStringList names;
    QString last;
    for (const QString& line : heard) {
        if (!line.startsWith(QLatin1String("focus\t")) || line == last)
            continue;
        last = line;
        names << line.section(QLatin1Char('\t'), 3).trimmed();
    }
    return names;
}

// The rows of the list named in focus or selection events, in order.
// A rectangle as a failure message shows it: "x,y wxh".
QString rectText(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QStringList rowsIn(const QStringList& heard)
{
    QStringList rows;
    for (const QString& line : heard)
        if (line.section(QLatin1Char('\t'), 1, 1) == QLatin1String("list item"))
            rows << line.section(QLatin1Char('\t'), 2, 2);
    return rows;
}

} // namespace

#define START(program) QVERIFY2((program).start(), qPrintable((program).error()))
#define NO_ERROR_OUTPUT(program)                                                                             \
    do {                                                                                                     \
        const QStringList lines__ = (program).unexpectedErrorLines();                                        \
        QVERIFY2(lines__.isEmpty(), qPrintable(lines__.join(QLatin1Char('\n'))));                            \
    } while (false)

class TestRealWindow : public QObject {
    Q_OBJECT

    // Puts a file in through the open dialog, typing its path.
    static bool openByTyping(RealProgram& program, const QString& path)
    {
        program.key(QStringLiteral("ctrl+o"));
        if (!program.waitForWindow(QStringLiteral("Open")))
            return false;
        program.type(path);
        program.key(QStringLiteral("Return"));
        return program.waitForNoWindow(QStringLiteral("Open"));
    }

    // The program started on plan.ai holding `lines`, with a screen reader
    // listening from outside; what went wrong, or nothing.
    static QString startHeard(ScreenReader& reader, RealProgram& program, const QList<QByteArray>& lines)
    {
        if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
            return QStringLiteral("run under dbus-run-session");
        if (!reader.start())
            return QStringLiteral("no AT-SPI client (python3-pyatspi, at-spi2-core)");
        program.setEnvironmentValue(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        if (!writeFile(program.path(QStringLiteral("plan.ai")), crlfLines(lines)))
            return QStringLiteral("plan.ai not written");
        program.setArguments({program.path(QStringLiteral("plan.ai"))});
        return program.start() ? QString() : program.error();
    }

    // Opens a menu of the menu bar by its key, and waits until it shows:
    // under load, keys sent before it would go elsewhere.
    static bool openMenu(RealProgram& program, const QString& keys)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            program.keyHeld(keys);
            if (QTest::qWaitFor([&] { return !program.menuOnScreen().isEmpty(); }, 3000))
                return true;
        }
        return false;
    }

    // Search menu items by their place: 0 Find..., 1 Count, 2 Check Order...
    static bool chooseSearchItem(RealProgram& program, int place, const QString& window)
    {
        if (!openMenu(program, QStringLiteral("alt+s")))
            return false;
        for (int i = 0; i < place; ++i)
            program.key(QStringLiteral("Down"));
        program.key(QStringLiteral("Return"));
        return program.waitForWindow(window);
    }

    static bool saveAsByTyping(RealProgram& program, const QString& path)
    {
        program.key(QStringLiteral("ctrl+a"));
        if (!program.waitForWindow(QStringLiteral("Save As")))
            return false;
        program.type(path);
        program.key(QStringLiteral("Return"));
        return true;
    }

    // Save As to a new file by typing its name, and the file's bytes once
    // they are there.
    static QByteArray saveAsAndRead(RealProgram& program, const QString& file)
    {
        return saveAsByTyping(program, file) && program.waitForFileChange(file, QByteArray())
                   ? readFile(file)
                   : QByteArray("<not saved>");
    }

    // Villager 1 and Villager 2 appended below the starting line, saved as
    // `name` in the program's folder, then Lines mode. Empty when the save
    // did not happen.
    static QString twoVillagersInLinesMode(RealProgram& program, const QString& name)
    {
        program.click(kAppend.x(), kAppend.y()); // Villager 1
        program.click(kQuantityUp.x(), kQuantityUp.y());
        program.click(kAppend.x(), kAppend.y()); // Villager 2
        const QString file = program.path(name);
        if (!saveAsByTyping(program, file) || !program.waitForFileChange(file, QByteArray()))
            return QString();
        program.click(kEditMode.x(), kEditMode.y());
        return file;
    }

    // Ctrl+S, and the file's bytes once they have changed.
    static QByteArray saveAndRead(RealProgram& program, const QString& file)
    {
        const QByteArray before = readFile(file);
        program.key(QStringLiteral("ctrl+s"));
        return program.waitForFileChange(file, before) ? readFile(file) : QByteArray("<not saved>");
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void initTestCase()
    {
        QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "run under an X server (xvfb-run -a)");
        QProcess xdotool;
        xdotool.start(QStringLiteral("xdotool"), {QStringLiteral("version")});
        QVERIFY2(xdotool.waitForFinished() && xdotool.exitCode() == 0, "xdotool is missing");
    }

    // Every way out asks once with unsaved work: No keeps the program as it
    // was and asks nothing more, Yes ends it at once.
    void eachWayOutAsksOnce_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("noKey");
        QTest::newRow("File, Exit") << "menu"
                                    << "n";
        QTest::newRow("Ctrl+X") << "ctrl+x"
                                << "Return"; // No is the default button
        QTest::newRow("Exit button") << "button"
                                     << "n";
        QTest::newRow("Alt+X") << "alt+x"
                               << "Escape";
        QTest::newRow("close request") << "close"
                                       << "n";
    }
    void eachWayOutAsksOnce()
    {
        QFETCH(QString, way);
        QFETCH(QString, noKey);
        RealProgram program;
        START(program);
        program.click(kAppend.x(), kAppend.y());
        auto leave = [&] {
            if (way == "menu") {
                if (openMenu(program, QStringLiteral("alt+f")))
                    program.key(QStringLiteral("x"));
            } else if (way == "button") {
                program.click(kExitButton.x(), kExitButton.y());
            } else if (way == "close") {
                program.requestClose();
            } else {
                program.key(way);
            }
        };
        leave();
        QVERIFY(program.waitForWindow(kQuestion));
        program.key(noKey);
        QVERIFY(program.waitForNoWindow(kQuestion));
        QVERIFY2(!program.showsWithin(kQuestion, 700), "No asked again");
        QVERIFY(program.isRunning());
        QVERIFY(program.windowTitles().contains(kMainTitle));

        leave();
        QVERIFY(program.waitForWindow(kQuestion));
        program.key(QStringLiteral("y"));
        QVERIFY2(program.waitForNoWindow(kQuestion), "Yes asked again");
        QVERIFY2(program.waitForEnd(5000, kQuestion), qPrintable(program.error()));
        QCOMPARE(program.exitCode(), 0);
        NO_ERROR_OUTPUT(program);
    }

    // Find from Normal mode selects the hit in Lines mode; the Escape that
    // closes the dialog must leave the insertion point below the hit.
    void insertBelowTheHitAfterEscapeClosesFind()
    {
        RealProgram program;
        START(program);
        const QList<QByteArray> lines = {kStartingLine, "// alpha", "// bravo", "// charlie", "// delta"};
        QList<QByteArray> padded;
        for (const QByteArray& line : lines)
            padded.append(line.leftJustified(48, ' '));
        const QString file = program.path(QStringLiteral("plan.ai"));
        QVERIFY(writeFile(file, crlfLines(padded)));
        QVERIFY(openByTyping(program, file));

        QVERIFY(chooseSearchItem(program, 0, QStringLiteral("Find")));
        program.type(QStringLiteral("bravo"));
        program.key(QStringLiteral("Return")); // Find Next
        program.keyHeld(QStringLiteral("Escape"));
        QVERIFY(program.waitForNoWindow(QStringLiteral("Find")));
        program.click(kAppend.x(), kAppend.y()); // reads "Insert" in Lines mode
        program.click(kEditMode.x(), kEditMode.y()); // back to Normal mode
        QList<QByteArray> expected = padded;
        expected.insert(3, kVillagers(1));
        QCOMPARE(saveAndRead(program, file), crlfLines(expected));
        NO_ERROR_OUTPUT(program);
    }

    // A text that is nowhere: one "Cannot find" message, then the keyboard
    // is back in Find, whose Escape closes it.
    void findForAnAbsentTextEndsWithOneMessage()
    {
        RealProgram program;
        START(program);
        QVERIFY(chooseSearchItem(program, 0, QStringLiteral("Find")));
        program.type(QStringLiteral("zulu"));
        program.key(QStringLiteral("Return")); // Find Next, from the top
        const QString box = QStringLiteral("Not Found!");
        QVERIFY(program.waitForWindow(box));
        program.key(QStringLiteral("Return"));
        QVERIFY(program.waitForNoWindow(box));
        QVERIFY2(!program.showsWithin(box, 1000), "asked again");
        QCOMPARE(program.windowCount(box), 0);
        program.keyHeld(QStringLiteral("Escape"));
        QVERIFY(program.waitForNoWindow(QStringLiteral("Find")));
        program.key(QStringLiteral("ctrl+x")); // nothing changed: no question
        QVERIFY2(program.waitForEnd(5000, kQuestion), qPrintable(program.error()));
        NO_ERROR_OUTPUT(program);
    }

    // W X Y Z in Lines mode, opened from a file in the program's folder.
    static QList<QByteArray> linesModeOver(RealProgram& program, const QString& file,
                                           const QList<QByteArray>& lines)
    {
        QList<QByteArray> padded;
        for (const QByteArray& line : lines)
            padded.append(line48(line));
        if (!writeFile(file, crlfLines(padded)) || !openByTyping(program, file))
            return {};
        program.click(kEditMode.x(), kEditMode.y());
        return padded;
    }

    // A right-button press on a row opens its menu; held, moved onto
    // Remove and released, it removes that row and moves no other.
    void rightButtonHeldOntoRemove()
    {
        RealProgram program;
        START(program);
        const QString file = program.path(QStringLiteral("plan.ai"));
        QList<QByteArray> lines = linesModeOver(program, file, {"// W", "// X", "// Y", "// Z"});
        QVERIFY(!lines.isEmpty());
        program.click(listRow(0).x(), listRow(0).y()); // W, by the left button
        program.pressAt(listRow(2).x(), listRow(2).y(), 3);
        QRect menu;
        QVERIFY2(QTest::qWaitFor([&] { return !(menu = program.menuOnScreen()).isEmpty(); }, 5000),
                 "no menu");
        // Where it settles: a menu may be placed again once it knows its size.
        QVERIFY(QTest::qWaitFor(
            [&] {
                const QRect before = menu;
                QThread::msleep(100);
                return (menu = program.menuOnScreen()) == before;
            },
            3000));
        // Move Up, Move Down, Remove: the last third.
        program.moveOnScreen({menu.center().x(), menu.top() + menu.height() * 5 / 6});
        program.moveOnScreen({menu.center().x() + 2, menu.top() + menu.height() * 5 / 6});
        program.release(3);
        lines.removeAt(2);
        QCOMPARE(saveAndRead(program, file), crlfLines(lines));
        NO_ERROR_OUTPUT(program);
    }

    // Ctrl+Z pressed while a line is held takes nothing back, and the
    // drop moves the line that was picked up.
    void keysDuringADragLeaveTheLineHeld()
    {
        RealProgram program;
        START(program);
        const QString file = program.path(QStringLiteral("plan.ai"));
        QList<QByteArray> lines = linesModeOver(program, file, {"// W", "// X", "// Y", "// Z"});
        QVERIFY(!lines.isEmpty());
        program.click(listRow(3).x(), listRow(3).y());
        program.key(QStringLiteral("alt+Up")); // W X Z Y: a step to take back
        program.drag(listRow(1).x(), listRow(1).y(), listRow(3).x(), listRow(3).y(),
                     QStringLiteral("ctrl+z"));
        const QByteArray saved = saveAndRead(program, file);
        QCOMPARE(saved, crlfLines({lines.at(0), lines.at(3), lines.at(1), lines.at(2)})); // W Z X Y
        NO_ERROR_OUTPUT(program);
    }

    // A line dropped on the toilet comes back in its place with Ctrl+Z, and
    // Save writes the bytes the file had; Ctrl+Y takes the line again.
    void undoBringsBackWhatTheToiletTook()
    {
        RealProgram program;
        START(program);
        const QString file = program.path(QStringLiteral("plan.ai"));
        const QList<QByteArray> lines = linesModeOver(program, file, {"// W", "// X", "// Y", "// Z"});
        QVERIFY(!lines.isEmpty());
        QList<QByteArray> removed = lines;
        removed.removeAt(1);
        program.drag(listRow(1).x(), listRow(1).y(), kToilet.x(), kToilet.y());
        QCOMPARE(saveAndRead(program, file), crlfLines(removed));
        program.key(QStringLiteral("ctrl+z"));
        QCOMPARE(saveAndRead(program, file), crlfLines(lines));
        program.key(QStringLiteral("ctrl+y"));
        QCOMPARE(saveAndRead(program, file), crlfLines(removed));
        // In the text, Ctrl+Z is Undo's, not a refused key.
        program.click(kEditMode.x(), kEditMode.y()); // the caret goes to the selected row
        program.key(QStringLiteral("Delete"));
        QList<QByteArray> shortened = removed;
        shortened[1].remove(31, 1);
        QCOMPARE(saveAndRead(program, file), crlfLines(shortened));
        program.key(QStringLiteral("ctrl+z"));
        QVERIFY(!program.showsWithin(QStringLiteral("Error"), 500));
        QCOMPARE(saveAndRead(program, file), crlfLines(removed));
        NO_ERROR_OUTPUT(program);
    }

    // Find selects a row by the program; its menu's Remove, twice, takes
    // the row and then the row that moved up into its place, as two drags
    // to the toilet would.
    void removeTwiceAfterFind()
    {
        RealProgram program;
        START(program);
        const QString file = program.path(QStringLiteral("plan.ai"));
        QList<QByteArray> lines = linesModeOver(
            program, file, {kStartingLine, "// alpha", "// barracks", "// charlie", "// delta"});
        QVERIFY(!lines.isEmpty());
        program.click(listRow(1).x(), listRow(1).y()); // clicked last: alpha
        QVERIFY(chooseSearchItem(program, 0, QStringLiteral("Find")));
        program.type(QStringLiteral("barracks"));
        program.key(QStringLiteral("Return")); // Find Next
        program.keyHeld(QStringLiteral("Escape"));
        QVERIFY(program.waitForNoWindow(QStringLiteral("Find")));
        for (int removal = 0; removal < 2; ++removal) {
            program.key(QStringLiteral("Menu"));
            QVERIFY(QTest::qWaitFor([&] { return !program.menuOnScreen().isEmpty(); }, 5000));
            program.key(QStringLiteral("r")); // Remove, by its access letter
            QVERIFY(QTest::qWaitFor([&] { return program.menuOnScreen().isEmpty(); }, 5000));
        }
        lines.removeAt(2);
        lines.removeAt(2);
        QCOMPARE(saveAndRead(program, file), crlfLines(lines));
        NO_ERROR_OUTPUT(program);
    }

    // Removing the last row by its menu leaves the keyboard in the list on
    // the row now last, and a screen reader hears it, and nothing else.
    void screenReaderHearsTheRowAfterTheLastGoes()
    {
        ScreenReader listener;
        RealProgram program;
        QList<QByteArray> lines;
        for (const char* line : {"// W", "// X", "// Y"})
            lines << line48(line);
        const QString failed = startHeard(listener, program, lines);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        program.click(kEditMode.x(), kEditMode.y());
        program.click(listRow(2).x(), listRow(2).y()); // Y, the last
        QTest::qWait(300);
        const int before = listener.mark();
        program.key(QStringLiteral("Menu"));
        QVERIFY(QTest::qWaitFor([&] { return !program.menuOnScreen().isEmpty(); }, 5000));
        program.key(QStringLiteral("r")); // Remove
        QVERIFY(QTest::qWaitFor([&] { return program.menuOnScreen().isEmpty(); }, 5000));
        QVERIFY2(QTest::qWaitFor([&] { return rowsIn(listener.heardSince(before)).contains("1"); }, 5000),
                 qPrintable(listener.heardSince(before).join(" | ")));
        // The main window never stopped being the active one: no frame is
        // announced again as the menu opens or closes.
        QTest::qWait(500);
        QVERIFY2(listener.heardSince(before)
                     .filter(QRegularExpression(QStringLiteral("^(de)?activate\t")))
                     .isEmpty(),
                 qPrintable(listener.heardSince(before).join(" | ")));
        NO_ERROR_OUTPUT(program);
    }

    // A screen reader hears the row the list selects as Lines mode begins,
    // and each row a move selects; the focus goes from the text straight
    // to the list, through no other control. The Edit menu then reads
    // "Undo Move Line".
    void screenReaderHearsTheRows()
    {
        ScreenReader listener;
        RealProgram program;
        QList<QByteArray> lines;
        for (const char* line : {"// W", "// X", "// Y", "// Z"})
            lines << line48(line);
        const QString failed = startHeard(listener, program, lines);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        program.click(kTextAreaFirstLine.x(), kTextAreaFirstLine.y() + 14); // the caret on line 1

        const int beforeSwitch = listener.mark();
        QVERIFY2(openMenu(program, QStringLiteral("alt+e")),
                 qPrintable(program.windowTitles().join(", ") + " / " + program.focusedWindow() + " / "
                            + listener.heard().join("; ")));
        program.key(QStringLiteral("Down"));
        program.key(QStringLiteral("Return")); // Edit, Edit Lines
        QVERIFY2(QTest::qWaitFor([&] { return !rowsIn(listener.heardSince(beforeSwitch)).isEmpty(); }, 5000),
                 qPrintable(listener.heard().join(" | ")));
        const QStringList switching = listener.heardSince(beforeSwitch);
        QCOMPARE(rowsIn(switching).first(), QStringLiteral("1"));
        // (What Open changed in the picker may still be arriving: only the
        // focus counts here.)
        for (const QString& line : switching.filter(QRegularExpression(QStringLiteral("^focus\t"))))
            QVERIFY2(!line.contains(QLatin1String("button")) && !line.contains(QLatin1String("box")),
                     qPrintable(switching.join(QLatin1String("; "))));

        const int beforeDown = listener.mark();
        program.key(QStringLiteral("Down"));
        QVERIFY(QTest::qWaitFor([&] { return rowsIn(listener.heardSince(beforeDown)).contains("2"); }, 5000));

        // The first thing heard of the move is the moved row, nothing else.
        const int beforeMove = listener.mark();
        program.key(QStringLiteral("alt+Down"));
        QVERIFY(QTest::qWaitFor([&] { return rowsIn(listener.heardSince(beforeMove)).contains("3"); }, 5000));
        const QStringList focused =
            listener.heardSince(beforeMove).filter(QRegularExpression(QStringLiteral("^focus\t")));
        QVERIFY2(focused.value(0).startsWith(QLatin1String("focus\tlist item\t")),
                 qPrintable(listener.heardSince(beforeMove).join(" | ")));
        QCOMPARE(rowsIn(listener.heardSince(beforeMove)).last(), QStringLiteral("3"));
        const QString moved = listener.heardSince(beforeMove).filter(QStringLiteral("list item\t3\t")).last();
        QCOMPARE(moved.section(QLatin1Char('\t'), 3).trimmed(), QStringLiteral("// Y")); // named by its text
        // The Edit menu names the step Undo would take back. Under load the
        // new name may reach the reader a little later: it is read again.
        QStringList nodes;
        auto named = [&] {
            nodes = listener.ask(QStringLiteral("dump"), QStringLiteral("dumped"));
            for (const char* item : {"\tmenu item\tUndo Move Line\t", "\tmenu item\tRedo\t"})
                if (nodes.filter(QLatin1String(item)).isEmpty())
                    return false;
            return true;
        };
        QVERIFY2(QTest::qWaitFor(named, 10000),
                 qPrintable(nodes.filter(QStringLiteral("menu item")).join(" | ")));
        NO_ERROR_OUTPUT(program);
    }

    // Read from outside, as a screen reader reads it: every control that
    // takes the focus, in all three windows, has a role and a name; the
    // status panels say what they show and follow Edit Lines; Tab goes in
    // layout order; a menu command that opens a modal box returns at once.
    void screenReaderReadsEveryWindow()
    {
        ScreenReader reader;
        RealProgram program;
        const QString failed = startHeard(reader, program, {kStartingLine, line48("// W")});
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        const QString file = program.path(QStringLiteral("plan.ai"));
        // The file opened, the text has the focus.
        QVERIFY(QTest::qWaitFor(
            [&] { return focusNames(reader.heard()).contains(QStringLiteral("Build list")); }));

        const int beforeTabs = reader.mark();
        for (int tab = 0; tab < 11; ++tab)
            program.key(QStringLiteral("Tab"));
        QVERIFY(
            QTest::qWaitFor([&] { return focusNames(reader.heardSince(beforeTabs)).size() >= 11; }, 5000));
        QCOMPARE(focusNames(reader.heardSince(beforeTabs)),
                 QStringList({"Villagers", "Refresh", "Exit", "Item", "Quantity", "Units", "Limit", "Append",
                              "Edit Lines", "Build list", "Villagers"})); // from the text, round the window

        // The panels as the file opened, then after Edit Lines.
        const QStringList opened = reader.ask(QStringLiteral("dump"), QStringLiteral("dumped"));
        for (const QString& expected : {QStringLiteral("\tFile: ") + file + QLatin1Char('\t'),
                                        QStringLiteral("\tMode: Normal\t"), QStringLiteral("\tSaved\t")})
            QVERIFY2(!opened.filter(expected).isEmpty(), qPrintable(expected));
        QVERIFY(!reader.ask(QStringLiteral("press Edit Lines"), QStringLiteral("pressed")).isEmpty());
        QStringList modes;
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         const QStringList all = reader.ask(QStringLiteral("dump"), QStringLiteral("dumped"));
                         modes = all.filter("\tMode: ");
                         return modes.size() == 1 && modes.first().contains("\tMode: Lines\t");
                     },
                     5000),
                 qPrintable(modes.join(QLatin1Char('\n'))));

        QVERIFY(chooseSearchItem(program, 2, QStringLiteral("Check Order"))); // beside the main window
        program.click(kTextAreaFirstLine.x(), kTextAreaFirstLine.y()); // back to the main window
        QVERIFY(chooseSearchItem(program, 1, QStringLiteral("Count")));
        const QStringList nodes = reader.ask(QStringLiteral("dump"), QStringLiteral("dumped"));
        QVERIFY(!nodes.isEmpty());
        QSet<QString> windows;
        QStringList unnamed;
        for (const QString& node : nodes.filter(QRegularExpression(QStringLiteral("^node\\t.*\\t1\\t1$")))) {
            const QStringList f = node.split(QLatin1Char('\t'));
            windows << f.at(1);
            if (f.at(2).isEmpty() || f.at(3).isEmpty() || f.at(3) != f.at(3).trimmed())
                unnamed << node;
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
        QCOMPARE(windows, QSet<QString>({"Brindlecap's Vex AI Editor ", "Count", "Check Order"}));
        for (const char* expected :
             {"frame\tCheck Order\t", "frame\tCount\t", "combo box\tItem\t1", "combo box\tUnit to count\t1"})
            QVERIFY2(!nodes.filter(QLatin1String(expected)).isEmpty(), expected);

        program.keyHeld(QStringLiteral("Escape")); // closes Count, as its Close button does
        QVERIFY(program.waitForNoWindow(QStringLiteral("Count")));

        const QStringList pressed = reader.ask(QStringLiteral("press About"), QStringLiteral("pressed"));
        QVERIFY(!pressed.isEmpty());
        QVERIFY2(pressed.last().section(QLatin1Char(' '), 1).toInt() < 1000, qPrintable(pressed.last()));
        QVERIFY(program.waitForWindow(QStringLiteral("About")));
        program.keyHeld(QStringLiteral("Escape"));
        QVERIFY(program.waitForNoWindow(QStringLiteral("About")));
        NO_ERROR_OUTPUT(program);
    }

    // A FILE that does not exist starts an empty build list under its name,
    // which Ctrl+S writes, as editors do.
    void missingFileStartsANewListUnderItsName()
    {
        RealProgram program;
        program.setArguments({QStringLiteral("newplan.ai")});
        START(program);
        const QString file = program.path(QStringLiteral("newplan.ai"));
        QVERIFY2(!program.showsWithin(QStringLiteral("Error"), 1000), "the missing file was an error");
        program.click(kAppend.x(), kAppend.y()); // Villager 1
        QCOMPARE(saveAndRead(program, file), crlfLines({kStartingLine, kVillagers(1)}));
        QVERIFY2(program.windowTitles().filter(QStringLiteral("Save As")).isEmpty(), "Save asked for a name");
        NO_ERROR_OUTPUT(program);
    }

    // Alt with a letter types nothing in the text area; the quantity box
    // that a choice focuses takes the digit typed next in place of its text.
    void altTypesNothingAndTheQuantityIsTypedOver()
    {
        RealProgram program;
        START(program);
        program.click(kTextAreaFirstLine.x(), kTextAreaFirstLine.y());
        program.key(QStringLiteral("alt+q"));
        program.key(QStringLiteral("alt+n"));
        QVERIFY2(!program.showsWithin(QStringLiteral("Error"), 500), "Alt+letter typed");
        program.type(QStringLiteral("q")); // the line is full: refused, with a sound and a box
        QVERIFY(program.waitForWindow(QStringLiteral("Error")));
        program.key(QStringLiteral("Return"));
        QVERIFY(program.waitForNoWindow(QStringLiteral("Error")));

        program.click(kItemBoxArrow.x(), kItemBoxArrow.y());
        program.key(QStringLiteral("Return")); // Villager, from the drop-down
        program.type(QStringLiteral("5"));
        program.key(QStringLiteral("alt+q"));
        program.click(kAppend.x(), kAppend.y());
        const QString file = program.path(QStringLiteral("five.ai"));
        QCOMPARE(saveAsAndRead(program, file), crlfLines({kStartingLine, kVillagers(5)}));
        QVERIFY(program.isRunning());
        NO_ERROR_OUTPUT(program);
    }

    // The save dialog stays open on a name in a missing folder and asks
    // before it replaces a file; the program never reports a failed write.
    void saveDialogChecksTheFolderAndAsksBeforeReplacing()
    {
        RealProgram program;
        START(program);
        const QString old = program.path(QStringLiteral("old.ai"));
        QVERIFY(writeFile(old, "old\r\n"));
        program.click(kAppend.x(), kAppend.y());

        program.key(QStringLiteral("ctrl+a"));
        QVERIFY(program.waitForWindow(QStringLiteral("Save As")));
        const QString dialog = program.focusedWindow();
        program.type(program.path(QStringLiteral("missing/plan.ai")));
        program.key(QStringLiteral("Return"));
        // A box over the dialog, titled as the dialog, that has the keyboard.
        auto boxOverTheDialog = [&] {
            return program.windowCount("Save As") == 2 && program.focusedWindow() != dialog;
        };
        QVERIFY2(QTest::qWaitFor(boxOverTheDialog, 5000), "no word on the missing folder");
        auto backToTheDialog = [&] {
            return program.windowCount("Save As") == 1 && program.focusedWindow() == dialog;
        };
        program.key(QStringLiteral("Return"));
        QVERIFY(QTest::qWaitFor(backToTheDialog, 5000));

        // A link that leads nowhere is refused, not followed to make its target.
        const QString dangling = program.path(QStringLiteral("dangling.ai"));
        QVERIFY(QFile::link(program.path(QStringLiteral("made/by/link.ai")), dangling));
        program.key(QStringLiteral("ctrl+a"));
        program.type(dangling);
        program.key(QStringLiteral("Return"));
        QVERIFY2(QTest::qWaitFor(boxOverTheDialog, 5000), "no word on the dangling link");
        program.key(QStringLiteral("Return"));
        QVERIFY(QTest::qWaitFor(backToTheDialog, 5000));

        program.key(QStringLiteral("ctrl+a")); // the name field: type over it
        program.type(old);
        program.key(QStringLiteral("Return"));
        QVERIFY2(QTest::qWaitFor(boxOverTheDialog, 5000), "no overwrite question");
        program.key(QStringLiteral("y"));
        QVERIFY(program.waitForFileChange(old, "old\r\n"));
        QCOMPARE(readFile(old), crlfLines({kStartingLine, kVillagers(1)}));
        QVERIFY(program.waitForNoWindow(QStringLiteral("Save As")));
        QCOMPARE(program.windowTitles(), QStringList{kMainTitle});
        QVERIFY(!QFile::exists(program.path(QStringLiteral("missing"))));
        QVERIFY(!QFile::exists(program.path(QStringLiteral("made"))));

        program.key(QStringLiteral("ctrl+x")); // saved: ends without a question
        QVERIFY2(program.waitForEnd(5000, kQuestion), qPrintable(program.error()));
        NO_ERROR_OUTPUT(program);
    }

    // Text selected in the text area does not leave it by a drag: dragged
    // onto the quantity box, the build list and the quantity stay as they were.
    void selectedTextStaysInTheBuildList()
    {
        RealProgram program;
        START(program);
        program.doubleClick(kTownCenterName.x(), kTownCenterName.y());
        program.drag(kTownCenterName.x(), kTownCenterName.y(), kQuantityBox.x(), kQuantityBox.y());
        program.click(kAppend.x(), kAppend.y());
        const QString file = program.path(QStringLiteral("kept.ai"));
        QCOMPARE(saveAsAndRead(program, file), crlfLines({kStartingLine, kVillagers(1)}));
        NO_ERROR_OUTPUT(program);
    }

    // The Count window's text edits as any text area, and Create Comment
    // puts its lines on top of the build list whole, at the file's width.
    void countWindowTextGoesInAsWholeLines()
    {
        RealProgram program;
        START(program);
        QVERIFY(chooseSearchItem(program, 1, QStringLiteral("Count")));
        program.clickIn(QStringLiteral("Count"), kCountText.x(), kCountText.y());
        program.type(QStringLiteral("//my notX"));
        program.key(QStringLiteral("BackSpace"));
        program.type(QStringLiteral("e"));
        program.key(QStringLiteral("Return"));
        program.type(QStringLiteral("//two"));
        program.clickIn(QStringLiteral("Count"), kCreateComment.x(), kCreateComment.y());
        program.focusMainWindow();
        const QString file = program.path(QStringLiteral("comment.ai"));
        QCOMPARE(saveAsAndRead(program, file),
                 crlfLines({line48("//my note"), line48("//two"), kStartingLine}));
        NO_ERROR_OUTPUT(program);
    }

    // Count opened again starts in its unit box, wherever the keyboard was
    // when it closed: Tab then reaches Get Count.
    void countOpensInItsUnitBox()
    {
        RealProgram program;
        START(program);
        QVERIFY(chooseSearchItem(program, 1, QStringLiteral("Count")));
        program.clickIn(QStringLiteral("Count"), kCreateComment.x(), kCreateComment.y()); // nothing to put in
        program.keyHeld(QStringLiteral("Escape"));
        QVERIFY(program.waitForNoWindow(QStringLiteral("Count")));
        QVERIFY(chooseSearchItem(program, 1, QStringLiteral("Count")));
        program.key(QStringLiteral("Tab"));
        program.key(QStringLiteral("space")); // Get Count
        program.clickIn(QStringLiteral("Count"), kCreateComment.x(), kCreateComment.y());
        program.focusMainWindow();
        const QString file = program.path(QStringLiteral("counted.ai"));
        QVERIFY(saveAsByTyping(program, file));
        QVERIFY(program.waitForFileChange(file, QByteArray()));
        const QList<QByteArray> lines = readFile(file).split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines.at(0).startsWith("//") && lines.at(0).contains(" 0"), lines.at(0).constData());
        NO_ERROR_OUTPUT(program);
    }

    // The picker after Undo: an Archery appended offers the Archer; Ctrl+Z
    // takes the Archery away, and with it the Archer, so Append writes what
    // is still offered.
    void pickerOffersWhatUndoLeft()
    {
        RealProgram program;
        const QString file = program.path(QStringLiteral("plan.ai"));
        const QByteArray ageTool = "R101      R_Age_Tool           1      109       ";
        QVERIFY(writeFile(file, crlfLines({kStartingLine, ageTool})));
        program.setArguments({file});
        START(program);
        program.click(kBuildingsRadio.x(), kBuildingsRadio.y()); // the Archery first
        program.click(kAppend.x(), kAppend.y());
        program.click(kUnitsRadio.x(), kUnitsRadio.y());
        program.click(kItemBoxArrow.x(), kItemBoxArrow.y()); // the drop-down list
        QVERIFY(QTest::qWaitFor([&] { return !program.menuOnScreen().isEmpty(); }, 3000));
        program.key(QStringLiteral("Home")); // the Archer, first of the units offered
        program.key(QStringLiteral("Return"));
        program.key(QStringLiteral("ctrl+z"));
        program.click(kAppend.x(), kAppend.y());
        const QByteArray saved = saveAndRead(program, file);
        QCOMPARE(saved, crlfLines({kStartingLine, ageTool, kVillagers(1)}));
        NO_ERROR_OUTPUT(program);
    }

    // Help opens beside the main window, not over it, and Escape closes
    // it; the keyboard is back in the main window.
    void escapeClosesHelp()
    {
        RealProgram program;
        START(program);
        QVERIFY(openMenu(program, QStringLiteral("alt+h")));
        program.key(QStringLiteral("Return")); // Help, the first item
        const QString help = QStringLiteral("Help");
        QVERIFY(program.waitForWindow(help));
        const QRect main = program.windowOnScreen(kMainTitle);
        const QRect shown = program.windowOnScreen(help);
        QVERIFY2(!shown.intersects(main), qPrintable(rectText(shown) + " over " + rectText(main)));
        program.keyHeld(QStringLiteral("Escape"));
        QVERIFY(program.waitForNoWindow(help));
        program.key(QStringLiteral("ctrl+x")); // nothing changed: no question
        QVERIFY2(program.waitForEnd(5000, kQuestion), qPrintable(program.error()));
        NO_ERROR_OUTPUT(program);
    }

    // `vexdit FILE` opens the file as File, Open does after its dialog:
    // the same width fix-up, the same refusals, and Save writes back to it.
    void fileArgumentOpensAsOpenDoes_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: a folder in the file's place
        QTest::addColumn<QString>("box"); // the message Open shows, if any
        QTest::newRow("good file") << QByteArray(kStartingLine.trimmed() + "\n" + kVillagers(3).trimmed()
                                                 + "\n")
                                   << QString();
        QTest::newRow("tab") << QByteArray("U83\tVillager\r\n") << FileMessages::kTabsTitle.text();
        // (A missing file starts a new list: missingFileStartsANewListUnderItsName.)
        QTest::newRow("a folder") << QByteArray() << FileMessages::kReadErrorTitle.text();
    }
    void fileArgumentOpensAsOpenDoes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, box);
        RealProgram program;
        const QString file = program.path(QStringLiteral("plan.ai"));
        if (!bytes.isEmpty()) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        } else {
            QVERIFY(QDir().mkpath(file));
        }
        program.setArguments({QStringLiteral("plan.ai")});
        START(program);
        if (!box.isEmpty()) {
            // Shown as the window came up, while the test gave the keyboard
            // to the main window; a window manager hands it to the box.
            QVERIFY(program.showsWithin(box, 5000));
            program.focusWindow(box);
            QVERIFY2(program.waitForWindow(box), qPrintable(program.windowTitles().join(", ")));
            program.key(QStringLiteral("Return"));
            QVERIFY(program.waitForNoWindow(box));
        }
        program.key(QStringLiteral("ctrl+s"));
        if (bytes.isEmpty()) {
            // No file was taken: Save asks where to write.
            QVERIFY(program.waitForWindow(QStringLiteral("Save As")));
            program.key(QStringLiteral("Escape"));
            QVERIFY(program.waitForNoWindow(QStringLiteral("Save As")));
            QVERIFY(QFileInfo(file).isDir());
        } else if (box.isEmpty()) {
            QVERIFY(program.waitForFileChange(file, bytes));
            QCOMPARE(readFile(file), crlfLines({kStartingLine, kVillagers(3)}));
        }
        NO_ERROR_OUTPUT(program);
    }

    // Another program changed the file after it was opened: Save asks in a
    // real box; No writes nothing, Yes overwrites, and the keyboard comes
    // back to the main window each time.
    void saveAsksWhenTheFileChangedOnDisk()
    {
        RealProgram program;
        const QString file = program.path(QStringLiteral("plan.ai"));
        QVERIFY(writeFile(file, crlfLines({kStartingLine})));
        program.setArguments({QStringLiteral("plan.ai")});
        START(program);
        const QByteArray changed = crlfLines({kStartingLine, line48("//added by another program")});
        QVERIFY(writeFile(file, changed));
        program.click(kAppend.x(), kAppend.y()); // Villager 1
        const QString box = FileMessages::kChangedOnDiskTitle;
        program.key(QStringLiteral("ctrl+s"));
        QVERIFY(program.waitForWindow(box));
        program.key(QStringLiteral("n"));
        QVERIFY(program.waitForNoWindow(box));
        QCOMPARE(readFile(file), changed);
        program.key(QStringLiteral("ctrl+s"));
        QVERIFY(program.waitForWindow(box));
        program.key(QStringLiteral("y"));
        QVERIFY(program.waitForFileChange(file, changed));
        QCOMPARE(readFile(file), crlfLines({kStartingLine, kVillagers(1)}));
        QVERIFY(program.waitForNoWindow(box));
        program.key(QStringLiteral("ctrl+x")); // saved: ends without a question
        QVERIFY2(program.waitForEnd(5000, kQuestion), qPrintable(program.error()));
        NO_ERROR_OUTPUT(program);
    }

    // A folder that takes no new file (immutable) and no state folder to
    // keep a copy in: Save asks before rewriting the file with no copy of
    // its old bytes. No keeps the file and the unsaved work; Yes writes.
    void saveAsksBeforeOverwritingWithoutACopy()
    {
        if (geteuid() != 0)
            QSKIP("an immutable folder takes root");
        RealProgram program;
        QVERIFY(QDir(program.path(QString())).mkdir(QStringLiteral("locked")));
        const QString file = program.path(QStringLiteral("locked/plan.ai"));
        const QByteArray before = crlfLines({kStartingLine});
        QVERIFY(writeFile(file, before));
        QVERIFY(writeFile(program.path(QStringLiteral("afile")), before));
        if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), program.path("locked")}) != 0)
            QSKIP("this file system has no immutable folders");
        const auto unlock = qScopeGuard([&] {
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), program.path("locked")});
        });
        program.setEnvironmentValue(QStringLiteral("XDG_STATE_HOME"),
                                    program.path(QStringLiteral("afile/state")));
        program.setArguments({file});
        START(program);
        program.click(kAppend.x(), kAppend.y()); // Villager 1
        const QString box = FileMessages::kNoBackupTitle;
        program.key(QStringLiteral("ctrl+s"));
        QVERIFY(program.waitForWindow(box));
        program.key(QStringLiteral("n"));
        QVERIFY(program.waitForNoWindow(box));
        QCOMPARE(readFile(file), before);
        program.key(QStringLiteral("ctrl+s")); // the keyboard is back in the main window
        QVERIFY(program.waitForWindow(box));
        program.key(QStringLiteral("y"));
        QVERIFY(program.waitForFileChange(file, before));
        QCOMPARE(readFile(file), crlfLines({kStartingLine, kVillagers(1)}));
        QVERIFY(program.waitForNoWindow(box));
        program.key(QStringLiteral("ctrl+x")); // saved: ends without a question
        QVERIFY2(program.waitForEnd(5000, kQuestion), qPrintable(program.error()));
        NO_ERROR_OUTPUT(program);
    }

    // The new name is in place but the folder cannot be flushed: the save
    // is done and says so, and the window counts the work as saved.
    void unflushedFolderWarnsAndCountsAsSaved()
    {
        RealProgram program;
        const QString file = program.path(QStringLiteral("plan.ai"));
        const QByteArray before = crlfLines({kStartingLine});
        QVERIFY(writeFile(file, before));
        program.preload(QStringLiteral(VEXDIT_FAILING_SYNC));
        program.setEnvironmentValue(QStringLiteral("VEXDIT_FAIL_SYNC"), QStringLiteral("folders"));
        program.setArguments({file});
        START(program);
        program.click(kAppend.x(), kAppend.y()); // Villager 1
        program.key(QStringLiteral("ctrl+s"));
        const QString box = FileMessages::kSavedWithWarningTitle;
        QVERIFY(program.waitForWindow(box));
        QCOMPARE(readFile(file), crlfLines({kStartingLine, kVillagers(1)}));
        program.key(QStringLiteral("Return"));
        QVERIFY(program.waitForNoWindow(box));
        program.key(QStringLiteral("ctrl+x")); // saved: ends without a question
        QVERIFY2(program.waitForEnd(5000, kQuestion), qPrintable(program.error()));
        NO_ERROR_OUTPUT(program);
    }

    // Without dragging: Alt+Down, then the context menu's Move Up and
    // Remove, each saved; the bytes equal those of the same steps by drag.
    void movesAndRemovalWithoutDragging()
    {
        RealProgram byDrag;
        START(byDrag);
        const QString dragged = twoVillagersInLinesMode(byDrag, QStringLiteral("dragged.ai"));
        QVERIFY(!dragged.isEmpty());
        byDrag.drag(listRow(2).x(), listRow(2).y(), listRow(1).x(), listRow(1).y());
        const QByteArray movedDown = saveAndRead(byDrag, dragged);
        byDrag.drag(listRow(2).x(), listRow(2).y(), listRow(1).x(), listRow(1).y());
        const QByteArray movedUp = saveAndRead(byDrag, dragged);
        byDrag.drag(listRow(1).x(), listRow(1).y(), kToilet.x(), kToilet.y());
        const QByteArray removed = saveAndRead(byDrag, dragged);
        QCOMPARE(removed, crlfLines({kStartingLine, kVillagers(2)}));
        NO_ERROR_OUTPUT(byDrag);

        RealProgram program;
        START(program);
        const QString file = twoVillagersInLinesMode(program, QStringLiteral("keys.ai"));
        QVERIFY(!file.isEmpty());
        program.click(listRow(1).x(), listRow(1).y());
        program.key(QStringLiteral("alt+Down"));
        QCOMPARE(saveAndRead(program, file), movedDown);

        program.key(QStringLiteral("shift+F10"));
        QTest::qWait(300);
        program.key(QStringLiteral("Return")); // Move Up, the first item, highlighted as the menu opens
        QCOMPARE(saveAndRead(program, file), movedUp);

        program.key(QStringLiteral("Menu"));
        QTest::qWait(300);
        program.key(QStringLiteral("r")); // Remove, by its access letter
        QCOMPARE(saveAndRead(program, file), removed);
        NO_ERROR_OUTPUT(program);
    }

    // A move in Lines mode is unsaved work, Insert goes below the moved
    // row, and a count made in Lines mode counts the list as it stands.
    void movesInsertsAndCountsInLinesMode()
    {
        RealProgram program;
        START(program);
        const QString file = twoVillagersInLinesMode(program, QStringLiteral("order.ai"));
        QVERIFY(!file.isEmpty());
        QCOMPARE(readFile(file), crlfLines({kStartingLine, kVillagers(1), kVillagers(2)}));
        program.drag(listRow(2).x(), listRow(2).y(), listRow(1).x(), listRow(1).y());
        program.key(QStringLiteral("ctrl+x"));
        QVERIFY2(program.waitForWindow(kQuestion), "the new order was not unsaved work");
        program.key(QStringLiteral("n"));
        QVERIFY(program.waitForNoWindow(kQuestion));
        program.click(kAppend.x(), kAppend.y()); // Insert: Villager 2 below the moved row

        QVERIFY(chooseSearchItem(program, 1, QStringLiteral("Count")));
        program.type(QStringLiteral("Villager"));
        program.clickIn(QStringLiteral("Count"), kGetCount.x(), kGetCount.y());
        program.clickIn(QStringLiteral("Count"), kCreateComment.x(), kCreateComment.y());
        program.focusMainWindow();
        const QByteArray saved = readFile(file);
        QCOMPARE(saveAndRead(program, file), crlfLines({line48("//Villager 5"), kStartingLine, kVillagers(2),
                                                        kVillagers(2), kVillagers(1)}));
        NO_ERROR_OUTPUT(program);
    }

    // Search, Check Order... lists the problems; a click on one selects its
    // line in the main window, which comes to the front, and Insert goes
    // below it. The check itself changes nothing.
    void checkOrderLeadsToTheLine()
    {
        RealProgram program;
        START(program);
        const QList<QByteArray> lines = archerAboveArchery();
        const QString file = program.path(QStringLiteral("check.ai"));
        QVERIFY(writeFile(file, crlfLines(lines)));
        QVERIFY(openByTyping(program, file));
        QVERIFY(chooseSearchItem(program, 2, QStringLiteral("Check Order")));
        program.clickIn(QStringLiteral("Check Order"), kFirstProblem.x(), kFirstProblem.y());
        QVERIFY(program.waitForWindow(kMainTitle));
        QCOMPARE(readFile(file), crlfLines(lines));
        program.click(kAppend.x(), kAppend.y()); // Insert, below the line of the problem
        QList<QByteArray> expected = lines;
        expected.insert(3, kVillagers(1));
        QCOMPARE(saveAndRead(program, file), crlfLines(expected));
        NO_ERROR_OUTPUT(program);
    }

    // Enter on a problem gives the keyboard to the list, on that line:
    // Alt+Up then moves it.
    void enterOnAProblemLeadsTheKeysToTheLine()
    {
        RealProgram program;
        const QList<QByteArray> lines = archerAboveArchery();
        const QString file = program.path(QStringLiteral("check.ai"));
        QVERIFY(writeFile(file, crlfLines(lines)));
        program.setArguments({QStringLiteral("check.ai")});
        START(program);
        QVERIFY(chooseSearchItem(program, 2, QStringLiteral("Check Order")));
        const QString tool = QStringLiteral("Check Order");
        program.focusWindow(tool);
        QVERIFY(program.waitForWindow(tool));
        program.key(QStringLiteral("Home"));
        program.key(QStringLiteral("Return")); // the Archer, line 3
        QVERIFY(program.waitForWindow(kMainTitle));
        program.key(QStringLiteral("alt+Up"));
        QCOMPARE(saveAndRead(program, file), crlfLines({lines.at(0), lines.at(2), lines.at(1), lines.at(3)}));
        QVERIFY2(program.windowTitles().contains(tool), "the tool window went out of sight");
        NO_ERROR_OUTPUT(program);
    }

    // Typing an item's name goes on matching past its first letter, and
    // Append takes it; after New the picker offers what the new list
    // allows, not the Barracks' units of the old one.
    void typedNameAppendsAndNewRefreshesTheOffer()
    {
        RealProgram program;
        const QString file = program.path(QStringLiteral("barracks.ai"));
        QVERIFY(
            writeFile(file, crlfLines({kStartingLine, line48("B12       Barracks             1      -1")})));
        program.setArguments({file});
        START(program);
        program.click(kItemBoxArrow.x() - 100, kItemBoxArrow.y()); // into the item box's text
        program.key(QStringLiteral("End"));
        program.key(QStringLiteral("shift+Home"));
        program.type(QStringLiteral("inf"));
        program.click(kAppend.x(), kAppend.y());
        const QList<QByteArray> lines = saveAndRead(program, file).split('\n');
        QCOMPARE(lines.size(), 4); // three lines and the end
        QVERIFY2(lines.at(2).startsWith("U") && !lines.at(2).startsWith("U83"), lines.at(2).constData());

        QVERIFY(openMenu(program, QStringLiteral("alt+f")));
        program.key(QStringLiteral("n")); // New: nothing unsaved, no question
        QVERIFY(QTest::qWaitFor([&] { return program.menuOnScreen().isEmpty(); }, 5000));
        program.click(kAppend.x(), kAppend.y()); // the one unit offered, chosen
        const QString fresh = program.path(QStringLiteral("fresh.ai"));
        QCOMPARE(saveAsAndRead(program, fresh),
                 crlfLines({kStartingLine, line48("U83       Villager             1      109")}));
        NO_ERROR_OUTPUT(program);
    }

    // `vexdit +3 plan.ai` starts with line 3 current, the caret at its
    // start: Delete takes that line's first character. (FILE:LINE reads
    // the same line number; tst_commandline tries both forms.)
    void aLineFromTheCommandLine()
    {
        RealProgram program;
        const QList<QByteArray> lines{kStartingLine, line48("// one"), line48("// two"), line48("// three")};
        const QString file = program.path(QStringLiteral("plan.ai"));
        QVERIFY(writeFile(file, crlfLines(lines)));
        program.setArguments({QStringLiteral("+3"), QStringLiteral("plan.ai")});
        START(program);
        program.key(QStringLiteral("Delete"));
        QCOMPARE(saveAndRead(program, file),
                 crlfLines({lines.at(0), lines.at(1), lines.at(2).mid(1), lines.at(3)}));
        NO_ERROR_OUTPUT(program);
    }

    // Another program changes the open file: back in the window, the user
    // is asked once for each change; No keeps the window's version, Yes
    // reloads the file's new bytes.
    void aChangeElsewhereIsAskedAboutOnActivation()
    {
        RealProgram program;
        const QString file = program.path(QStringLiteral("plan.ai"));
        QVERIFY(writeFile(file, crlfLines({kStartingLine})));
        program.setArguments({file});
        START(program);
        // Away in Find while the file changes, then back.
        auto awayAndBack = [&](const QByteArray& changeTo) {
            if (!chooseSearchItem(program, 0, QStringLiteral("Find")))
                return false;
            if (!changeTo.isEmpty() && !writeFile(file, changeTo))
                return false;
            program.keyHeld(QStringLiteral("Escape"));
            return program.waitForNoWindow(QStringLiteral("Find"));
        };
        const QList<QByteArray> first{kStartingLine, line48("// first")};
        QVERIFY(awayAndBack(crlfLines(first)));
        QVERIFY(program.waitForWindow(QStringLiteral("File Changed")));
        program.key(QStringLiteral("n")); // keep this window's version
        QVERIFY(program.waitForNoWindow(QStringLiteral("File Changed")));
        QVERIFY(awayAndBack(QByteArray()));
        QVERIFY2(!program.showsWithin(QStringLiteral("File Changed"), 1500), "asked twice for one change");
        const QList<QByteArray> second{kStartingLine, line48("// second")};
        QVERIFY(awayAndBack(crlfLines(second)));
        QVERIFY(program.waitForWindow(QStringLiteral("File Changed")));
        program.key(QStringLiteral("y")); // reload: nothing unsaved, no second question
        QVERIFY(program.waitForNoWindow(QStringLiteral("File Changed")));
        program.click(kAppend.x(), kAppend.y());
        QCOMPARE(saveAndRead(program, file), crlfLines({kStartingLine, line48("// second"), kVillagers(1)}));
        NO_ERROR_OUTPUT(program);
    }

    // File > Open Recent lists what was opened and saved, newest first by
    // number, and reopens one by its number; Clear List empties it, in the
    // program's own settings.
    void openRecentReopensAndClears()
    {
        RealProgram program;
        START(program);
        const QString first = program.path(QStringLiteral("first.ai"));
        QVERIFY(writeFile(first, crlfLines({kStartingLine})));
        QVERIFY(openByTyping(program, first));
        const QString second = program.path(QStringLiteral("second.ai"));
        QCOMPARE(saveAsAndRead(program, second), crlfLines({kStartingLine}));
        auto chooseRecent = [&](const QString& key) {
            if (!openMenu(program, QStringLiteral("alt+f")))
                return false;
            program.key(QStringLiteral("r"));
            program.key(key);
            return QTest::qWaitFor([&] { return program.menuOnScreen().isEmpty(); }, 5000);
        };
        QVERIFY(chooseRecent(QStringLiteral("2"))); // first.ai, opened before second.ai was saved
        program.click(kAppend.x(), kAppend.y());
        QCOMPARE(saveAndRead(program, first), crlfLines({kStartingLine, kVillagers(1)}));
        QVERIFY(readFile(program.settingsFile()).contains("second.ai"));
        QVERIFY(chooseRecent(QStringLiteral("c"))); // Clear List
        QVERIFY(QTest::qWaitFor([&] { return !readFile(program.settingsFile()).contains(".ai"); }, 5000));
        NO_ERROR_OUTPUT(program);
    }

    // A build list dragged from another program (as from a file manager)
    // and dropped on the window opens as Open would, after the question
    // about unsaved work; a folder is refused with a message.
    void aDroppedFileOpens()
    {
        RealProgram program;
        START(program);
        const QString file = program.path(QStringLiteral("dropped.ai"));
        const QList<QByteArray> lines{kStartingLine, line48("// dropped")};
        QVERIFY(writeFile(file, crlfLines(lines)));
        auto dropFromAnotherProgram = [&](const QString& what) {
            return program.dropFromAnotherProgram(QStringLiteral(VEXDIT_DRAG_SOURCE), {what});
        };
        program.click(kAppend.x(), kAppend.y()); // unsaved work
        QVERIFY(dropFromAnotherProgram(program.path(QString())));
        QVERIFY(program.waitForWindow(QStringLiteral("Not Opened")));
        program.key(QStringLiteral("Return"));
        QVERIFY(program.waitForNoWindow(QStringLiteral("Not Opened")));
        QVERIFY(dropFromAnotherProgram(file));
        QVERIFY(program.waitForWindow(QStringLiteral("Are you sure?")));
        program.key(QStringLiteral("y"));
        QVERIFY(program.waitForNoWindow(QStringLiteral("Are you sure?")));
        program.click(kAppend.x(), kAppend.y());
        QCOMPARE(saveAndRead(program, file), crlfLines(lines + QList<QByteArray>{kVillagers(1)}));
        NO_ERROR_OUTPUT(program);
    }

    // In German, the window, its panels and Qt's own buttons speak German,
    // and the question's German access keys answer it.
    void germanThroughout()
    {
        ScreenReader reader;
        RealProgram program;
        program.setEnvironmentValue(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
        const QString failed = startHeard(reader, program, {kStartingLine});
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        program.click(kAppend.x(), kAppend.y());
        auto shows = [&](const QStringList& names) {
            return QTest::qWaitFor([&] {
                const QStringList all = reader.ask(QStringLiteral("dump"), QStringLiteral("dumped"));
                for (const QString& name : names)
                    if (all.filter(QLatin1Char('\t') + name + QLatin1Char('\t')).isEmpty())
                        return false;
                return true;
            });
        };
        QVERIFY(shows({"Datei", "Bearbeiten", "Anhängen", "Einheiten", "Modus: Normal", "Ungespeichert"}));
        QVERIFY(openMenu(program, QStringLiteral("alt+d")));
        program.key(QStringLiteral("n")); // Neu
        QVERIFY(program.waitForWindow(QStringLiteral("Sind Sie sicher?")));
        QVERIFY(shows({"Ja", "Nein"}));
        program.key(QStringLiteral("j"));
        QVERIFY(program.waitForNoWindow(QStringLiteral("Sind Sie sicher?")));
        QVERIFY(shows({"Gespeichert"}));
        NO_ERROR_OUTPUT(program);
    }

    // On a screen with no room beside the main window (1280x1024 at a scale
    // factor of 2 is 640x512), Check Order and Help go over the lower part
    // of the list: never over the menus, the picker or Append.
    void toolWindowsOverTheListWhereNoSideHasRoom()
    {
        RealProgram program;
        program.setEnvironmentValue(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        START(program);
        const QRect main = program.windowOnScreen(kMainTitle);
        // The text area starts 112 pixels below the menu bar, itself at
        // least 16 high; all of it doubled.
        const int listTop = main.top() + 2 * (16 + 112);
        QVERIFY(chooseSearchItem(program, 2, QStringLiteral("Check Order")));
        const QRect tool = program.frameOnScreen(QStringLiteral("Check Order"));
        QVERIFY2(tool.top() >= listTop && tool.bottom() <= main.bottom(),
                 qPrintable("main " + rectText(main) + "; Check Order " + rectText(tool)));
        program.key(QStringLiteral("Escape"));
        QVERIFY(program.waitForNoWindow(QStringLiteral("Check Order")));
        QVERIFY(openMenu(program, QStringLiteral("alt+h")));
        program.key(QStringLiteral("Return")); // Help, Help
        QVERIFY(program.waitForWindow(QStringLiteral("Help")));
        const QRect help = program.frameOnScreen(QStringLiteral("Help"));
        QVERIFY2(help.top() >= listTop, qPrintable("main " + rectText(main) + "; Help " + rectText(help)));
        NO_ERROR_OUTPUT(program);
    }

    // Check Order stays current and beside the main window: after an
    // Insert its row names the line where it is now, Enter on it selects
    // that line, and the window stays in sight; Escape closes it and the
    // keyboard is back in the main window.
    void checkOrderFollowsTheList()
    {
        RealProgram program;
        const QList<QByteArray> lines = archerAboveArchery();
        const QString file = program.path(QStringLiteral("check.ai"));
        QVERIFY(writeFile(file, crlfLines(lines)));
        program.setArguments({QStringLiteral("check.ai")});
        START(program);
        program.click(kEditMode.x(), kEditMode.y());
        QVERIFY(chooseSearchItem(program, 2, QStringLiteral("Check Order")));
        const QString tool = QStringLiteral("Check Order");
        QVERIFY(!program.windowOnScreen(tool).intersects(program.windowOnScreen(kMainTitle)));

        program.focusMainWindow();
        program.click(listRow(1).x(), listRow(1).y());
        program.click(kAppend.x(), kAppend.y()); // Insert: the Archer is line 4 now
        QTest::qWait(500); // the check waits for the typing to pause
        program.focusWindow(tool);
        QVERIFY(program.waitForWindow(tool));
        program.key(QStringLiteral("Home"));
        program.key(QStringLiteral("Return"));
        QVERIFY(program.waitForWindow(kMainTitle));
        QVERIFY2(program.windowTitles().contains(tool), "the tool window went out of sight");
        program.click(kAppend.x(), kAppend.y()); // Insert below the Archer
        QCOMPARE(saveAndRead(program, file), crlfLines({lines.at(0), lines.at(1), kVillagers(1), lines.at(2),
                                                        kVillagers(1), lines.at(3)}));

        // Another file opened while the window is open: its rows are the new file's.
        const QList<QByteArray> other = {kStartingLine, lines.at(2), lines.at(1), lines.at(3)};
        const QString otherFile = program.path(QStringLiteral("other.ai"));
        QVERIFY(writeFile(otherFile, crlfLines(other)));
        program.focusMainWindow();
        QVERIFY(openByTyping(program, otherFile));
        QTest::qWait(500);
        program.focusWindow(tool);
        QVERIFY(program.waitForWindow(tool));
        program.key(QStringLiteral("Home"));
        program.key(QStringLiteral("Return")); // line 2, the Archer
        QVERIFY(program.waitForWindow(kMainTitle));
        program.click(kAppend.x(), kAppend.y());
        QCOMPARE(saveAndRead(program, otherFile),
                 crlfLines({other.at(0), other.at(1), kVillagers(1), other.at(2), other.at(3)}));

        program.focusWindow(tool);
        QVERIFY(program.waitForWindow(tool));
        program.key(QStringLiteral("Escape"));
        QVERIFY(program.waitForNoWindow(tool));
        QVERIFY2(openMenu(program, QStringLiteral("alt+f")), "the keyboard went nowhere");
        program.key(QStringLiteral("Escape"));
        NO_ERROR_OUTPUT(program);
    }

    // Check Order is heard: opening it names its one problem, and Enter
    // on it names the line it leads to, in the main window's list.
    void screenReaderHearsCheckOrder()
    {
        ScreenReader listener;
        RealProgram program;
        const QList<QByteArray> lines = archerAboveArchery();
        const QString failed = startHeard(listener, program, lines);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        const int beforeOpening = listener.mark();
        QVERIFY(chooseSearchItem(program, 2, QStringLiteral("Check Order")));
        auto heardRow = [&](int since, const QString& start) {
            for (const QString& line : listener.heardSince(since))
                if (line.startsWith(QLatin1String("focus\tlist item\t"))
                    && line.section(QLatin1Char('\t'), 3).startsWith(start))
                    return true;
            return false;
        };
        QVERIFY2(QTest::qWaitFor([&] { return heardRow(beforeOpening, QStringLiteral("Line 3: ")); }, 5000),
                 qPrintable(listener.heardSince(beforeOpening).join(" | ")));
        // Each switch of window is told as the window becoming active.
        auto activated = [&](int since, const QString& title) {
            return !listener.heardSince(since)
                        .filter(QRegularExpression(QStringLiteral("^activate\tframe\t.*\t")
                                                   + QRegularExpression::escape(title) + "$"))
                        .isEmpty();
        };
        QVERIFY2(activated(beforeOpening, QStringLiteral("Check Order")),
                 qPrintable(listener.heardSince(beforeOpening).join(" | ")));

        const int beforeEnter = listener.mark();
        program.key(QStringLiteral("Return"));
        QVERIFY(program.waitForWindow(kMainTitle));
        QVERIFY2(
            QTest::qWaitFor([&] { return heardRow(beforeEnter, QStringLiteral("U4        Archer")); }, 5000),
            qPrintable(listener.heardSince(beforeEnter).join(" | ")));
        QCOMPARE(rowsIn(listener.heardSince(beforeEnter)).last(), QStringLiteral("2"));
        QVERIFY2(QTest::qWaitFor([&] { return activated(beforeEnter, kMainTitle); }, 5000),
                 qPrintable(listener.heardSince(beforeEnter).join(" | ")));

        // A move that leaves the problem where it was: Check Order, behind
        // the active window, checks again and takes no focus from it.
        const int beforeMove = listener.mark();
        program.key(QStringLiteral("alt+Up"));
        QVERIFY(
            QTest::qWaitFor([&] { return heardRow(beforeMove, QStringLiteral("U4        Archer")); }, 5000));
        QTest::qWait(1000); // the check waits for the keys to pause
        program.key(QStringLiteral("Down"));
        QVERIFY(QTest::qWaitFor([&] { return heardRow(beforeMove, QStringLiteral("R101")); }, 5000));
        QVERIFY2(!heardRow(beforeMove, QStringLiteral("Line ")),
                 qPrintable(listener.heardSince(beforeMove).join(" | ")));
        NO_ERROR_OUTPUT(program);
    }

    // The arrows step the item box and the quantity box where the focus
    // is, and a screen reader hears each step: the item box keeps the
    // focus, the quantity box is a spin box that tells its new value.
    void screenReaderHearsTheSteps()
    {
        ScreenReader listener;
        RealProgram program;
        const QString failed = startHeard(listener, program, {kStartingLine});
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        program.click(kQuantityBox.x(), kQuantityBox.y());
        QVERIFY2(QTest::qWaitFor([&] { return focusNames(listener.heard()).contains("Quantity"); }, 5000),
                 qPrintable(listener.heard().join(" | ")));
        QVERIFY(listener.heard()
                    .filter(QRegularExpression(QStringLiteral("^focus\tspin button\t.*\tQuantity$")))
                    .size()
                > 0);
        const int beforeUp = listener.mark();
        program.key(QStringLiteral("Up"));
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         return !listener.heardSince(beforeUp)
                                     .filter(QRegularExpression(
                                         QStringLiteral("^value\tspin button\t.*\tQuantity\t2$")))
                                     .isEmpty();
                     },
                     5000),
                 qPrintable(listener.heardSince(beforeUp).join(" | ")));

        program.click(kBuildingsRadio.x(), kBuildingsRadio.y()); // more than one item to step through
        program.click(kItemBoxArrow.x() - 100, kItemBoxArrow.y()); // into the item box's text
        QVERIFY2(
            QTest::qWaitFor([&] { return focusNames(listener.heardSince(beforeUp)).contains("Item"); }, 5000),
            qPrintable(listener.heardSince(beforeUp).join(" | ")));
        const int beforeDown = listener.mark();
        program.key(QStringLiteral("Down"));
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         return !listener.heardSince(beforeDown)
                                     .filter(QRegularExpression(QStringLiteral("^value\tcombo box\t")))
                                     .isEmpty();
                     },
                     5000),
                 qPrintable(listener.heardSince(beforeDown).join(" | ")));
        QTest::qWait(300);
        QVERIFY2(focusNames(listener.heardSince(beforeDown)).isEmpty(),
                 qPrintable(listener.heardSince(beforeDown).join(" | ")));
        NO_ERROR_OUTPUT(program);
    }

    // A text box is heard as it takes the focus, before its caret moves:
    // a screen reader would otherwise take the caret for the focus and
    // say nothing. Find's field, as the dialog opens, first of all.
    void screenReaderHearsFindsField()
    {
        ScreenReader listener;
        RealProgram program;
        const QString failed = startHeard(listener, program, {kStartingLine});
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        const int before = listener.mark();
        QVERIFY(chooseSearchItem(program, 0, QStringLiteral("Find")));
        auto aboutTheField = [&] {
            return listener.heardSince(before).filter(
                QRegularExpression(QStringLiteral("^(focus|caret)\ttext\t.*\tFind what")));
        };
        QVERIFY2(QTest::qWaitFor(
                     [&] { return !aboutTheField().filter(QRegularExpression("^focus")).isEmpty(); }, 5000),
                 qPrintable(listener.heardSince(before).join(" | ")));
        QVERIFY2(aboutTheField().first().startsWith(QLatin1String("focus\t")),
                 qPrintable(listener.heardSince(before).join(" | ")));
        NO_ERROR_OUTPUT(program);
    }

    // Under a window manager that frames windows, Check Order opens beside
    // the main window, frame beside frame, both whole on the screen; Enter
    // on a problem gives the keyboard to the main window, which keeps it.
    void checkOrderBesideTheFramedMainWindow()
    {
        WindowManager manager;
        QVERIFY2(manager.start(), qPrintable(manager.error()));
        RealProgram program;
        const QList<QByteArray> lines = archerAboveArchery();
        const QString file = program.path(QStringLiteral("check.ai"));
        QVERIFY(writeFile(file, crlfLines(lines)));
        program.setArguments({QStringLiteral("check.ai")});
        START(program);
        const QString tool = QStringLiteral("Check Order");
        QVERIFY(chooseSearchItem(program, 2, tool));
        const QRect screen(0, 0, 1280, 1024);
        // Framed, and settled where it goes.
        QRect frame;
        const bool settled = QTest::qWaitFor(
            [&] {
                const QRect now = program.frameOnScreen(tool);
                const bool same = now == frame && now != program.windowOnScreen(tool);
                frame = now;
                return same;
            },
            5000);
        const QRect main = program.frameOnScreen(kMainTitle);
        const QString where = QStringLiteral("main [%9] %1,%2 %3x%4; Check Order %5,%6 %7x%8")
                                  .arg(main.x())
                                  .arg(main.y())
                                  .arg(main.width())
                                  .arg(main.height())
                                  .arg(frame.x())
                                  .arg(frame.y())
                                  .arg(frame.width())
                                  .arg(frame.height())
                                  .arg(program.windowId(kMainTitle));
        QVERIFY2(settled, qPrintable(where));
        QVERIFY2(main != program.windowOnScreen(kMainTitle), qPrintable(where)); // the manager framed it
        QVERIFY2(!frame.intersects(main), qPrintable(where));
        QVERIFY2(screen.contains(frame) && screen.contains(main), qPrintable(where));

        program.key(QStringLiteral("Return")); // the Archer, line 3
        QVERIFY(program.waitForWindow(kMainTitle));
        QTest::qWait(500); // nothing takes the keyboard back
        QCOMPARE(program.focusedWindow(), program.windowId(kMainTitle));
        program.key(QStringLiteral("alt+Up"));
        const QList<QByteArray> moved = {lines.at(0), lines.at(2), lines.at(1), lines.at(3)};
        QCOMPARE(saveAndRead(program, file), crlfLines(moved));
        QVERIFY2(program.windowTitles().contains(tool), "the tool window went out of sight");

        // A click on the problem, the main window active: the manager gives
        // Check Order the keyboard for the click, and the line takes it back.
        QTest::qWait(300); // the check waits for the changes to pause
        program.clickIn(tool, kFirstProblem.x(), kFirstProblem.y()); // the Archer, now line 2
        QVERIFY(program.waitForWindow(kMainTitle));
        QTest::qWait(500);
        QCOMPARE(program.focusedWindow(), program.windowId(kMainTitle));
        program.key(QStringLiteral("alt+Down"));
        QCOMPARE(saveAndRead(program, file), crlfLines(lines));
        NO_ERROR_OUTPUT(program);
    }
};

QTEST_GUILESS_MAIN(TestRealWindow)
#include "tst_realwindow.moc"
