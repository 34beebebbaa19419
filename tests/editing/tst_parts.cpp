// The parts of line editing, each on its own over a document of its own,
// through its public face and real clicks and keys.
#include "editing/window/listpart.h"
#include "editing/window/modeswitch.h"
#include "editing/window/textpart.h"
#include "support/controls.h"
#include "support/formfixture.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"

#include "support/nowarnings.h"
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

namespace {

void showWindow(QWidget& window)
{
    window.resize(560, 420);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

} // namespace

class TestParts : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    // Whatever the document does (edits, moves, Undo, Redo, a new list)
    // and whichever row the user clicks, the list shows the document's
    // lines and the document's selected row.
    void listPartAlone()
    {
        for (quint32 seed = 1; seed <= 12; ++seed) {
            QRandomGenerator random(seed);
            PartFixture p(commentLines(8));
            ListPart part(p.app, p.document, &p.window);
            part.setViewArea(QRect(0, 0, 300, 400));
            showWindow(p.window);
            part.prepareForMode(true);
            part.showForMode(true);
            auto* view = named<BuildListView>(p.window, "ListBox1");
            BuildList& d = p.document;
            for (int round = 0; round < 60; ++round) {
                const int n = d.lineCount();
                const int row = n ? int(random.bounded(n)) : 0;
                switch (random.bounded(8)) {
                case 0:
                    d.insertLines(LineStep::Kind::Insert, int(random.bounded(n + 1)), {line48("// in")});
                    break;
                case 1:
                    if (n)
                        d.removeLines(LineStep::Kind::RemoveLine, row,
                                      qMin(n - row, 1 + int(random.bounded(2))));
                    break;
                case 2:
                    if (n)
                        d.type(row, 1, {line48(QStringLiteral("// t%1").arg(round))}, true);
                    break;
                case 3:
                    if (n)
                        d.moveLine(row, int(random.bounded(n)));
                    break;
                case 4: d.undo(); break;
                case 5: d.redo(); break;
                case 6:
                    if (random.bounded(6) == 0)
                        d.reset(commentLines(1 + int(random.bounded(6))));
                    break;
                case 7:
                    if (n)
                        clickRow(view, row);
                    break;
                }
                const QString what = QStringLiteral("seed %1 round %2").arg(seed).arg(round);
                QVERIFY2(view->items() == d.lines(), qPrintable(what));
                QVERIFY2(view->itemIndex() == d.position().selectedRow, qPrintable(what));
            }
        }
    }

    // Typing reaches the document once per key, and the text shows what
    // the document holds, through Undo and Redo, caret and all.
    void textPartAlone()
    {
        QRandomGenerator random(3);
        PartFixture p({QStringLiteral("// a"), QStringLiteral("// b"), line48("// c")});
        TextPart part(p.app, p.document, &p.window);
        showWindow(p.window);
        auto* text = named<BuildListTextEdit>(p.window, "Memo1");
        part.editFrom(0);
        QSignalSpy changes(&p.document, &BuildList::linesChanged);
        for (int round = 0; round < 80; ++round) {
            const int op = int(random.bounded(6));
            // Within the two short lines, never at a line's start, so that
            // no key joins lines or makes one too long.
            const int line = int(random.bounded(2));
            const int length = int(p.document.line(line).size());
            const int lineStart = line == 0 ? 0 : int(p.document.line(0).size()) + 2;
            const int column = 1 + int(random.bounded(length));
            placeCaret(text, lineStart + column);
            changes.clear();
            if (op < 3 && length < 40) {
                QTest::keyClick(text, char('a' + random.bounded(26)));
                QCOMPARE(changes.size(), 1);
                // The text is not written again: the caret stays after the key.
                QCOMPARE(text->selStart(), lineStart + column + 1);
            } else if (op == 3 && column < length && length > 2) {
                QTest::keyClick(text, Qt::Key_Delete);
                QCOMPARE(changes.size(), 1);
            } else if (op > 3) {
                op == 4 ? p.document.undo() : p.document.redo();
                QCOMPARE(text->selStart(), p.document.position().caret);
            }
            QCOMPARE(text->lines(), p.document.lines());
            QCOMPARE(text->endsWithBreak(), p.document.endsWithBreak());
        }
        VERIFY_DIALOGS(p);
    }

    // The three turns of a change of mode, in order, and only from the
    // other mode.
    void modeSwitchAlone()
    {
        PartFixture p(commentLines(2));
        ModeSwitch part(p.app, p.document, &p.window);
        auto* button = named<QPushButton>(p.window, "cmdEdit");
        QStringList heard;
        connect(&part, &ModeSwitch::modeChanging, this,
                [&](bool l) { heard << QStringLiteral("ready %1").arg(l); });
        connect(&part, &ModeSwitch::modeShowing, this,
                [&](bool l) { heard << QStringLiteral("show %1").arg(l); });
        connect(&part, &ModeSwitch::modeShown, this,
                [&](bool l) { heard << QStringLiteral("hide %1").arg(l); });
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(heard, (QStringList{"ready 1", "show 1", "hide 1"}));
        QVERIFY(part.linesMode());
        QCOMPARE(button->text(), QStringLiteral("Edit Normal"));
        heard.clear();
        part.editLines();
        QCOMPARE(heard, QStringList());
        part.editNormal();
        QCOMPARE(heard, (QStringList{"ready 0", "show 0", "hide 0"}));
        heard.clear();
        part.startNormal(); // nothing carried over: no getting ready
        QCOMPARE(heard, (QStringList{"show 0", "hide 0"}));
        QCOMPARE(button->text(), QStringLiteral("Edit Lines"));
    }
};

QTEST_MAIN(TestParts)
#include "tst_parts.moc"
