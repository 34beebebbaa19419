// Times the editor's actions through the same handlers a user reaches, on
// generated build lists of growing size, each beside its floor: what Qt
// itself needs for the same visible result, measured in the same run.
//
//   bench           the full table (1,000, 10,000 and 80,000 lines)
//   bench --quick   one small pass of every action, for CI
#include "autodialogs.h"
#include "buildlist/window/itempicker.h"
#include "buildlistgen.h"
#include "editing/window/modeswitch.h"
#include "files/window/filecommands.h"
#include "search/window/findcommand.h"
#include "support/controls.h"

#include "app/mainwindow.h"
#include "app/startup.h"
#include "buildlist/lineformat.h"
#include "buildlist/ordercheck.h"
#include "editing/textcopy.h"
#include "search/window/checkorderwindow.h"
#include "search/window/finddialog.h"
#include "widgets/application.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"
#include "widgets/completingcombobox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRadioButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

struct Result {
    double ms = 0;
    double floorMs = 0;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Median milliseconds of `run`, each preceded by `setup` and followed by
// `undo`, neither of which is timed.
double timeIt(int reps, const std::function<void()>& setup, const std::function<void()>& run,
              const std::function<void()>& undo = {})
{
    std::vector<double> times;
    for (int i = 0; i < reps; ++i) {
        if (setup)
            setup();
        QElapsedTimer t;
        t.start();
        run();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
        if (undo)
            undo();
    }
    return median(times);
}

QString plain(const QString& crlfText)
{
    return QString(crlfText).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

void sendKey(QWidget* w, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

class SizeRun {
public:
    SizeRun(int lines, const QString& folder, int reps) : lines_(lines), reps_(reps), app_(dialogs_)
    {
        file_ = QStringLiteral("%1/list%2.ai").arg(folder).arg(lines);
        saved_ = QStringLiteral("%1/saved%2.ai").arg(folder).arg(lines);
        QFile out(file_);
        out.open(QIODevice::WriteOnly);
        out.write(generateBuildList(lines));
        out.close();
        windows_ = createWindows(app_);
        form().show();
        bareEdit_.show();
        bareList_.show();
        dialogs_.openPath = file_;
        ui(form()).files->openFromDialog();
        QApplication::processEvents();
    }

    MainWindow& form() { return *windows_.mainWindow; }

    void normalMode()
    {
        if (ui(form()).modes->linesMode())
            ui(form()).modeButton->click();
    }
    void linesMode()
    {
        if (!ui(form()).modes->linesMode())
            ui(form()).modeButton->click();
    }

    std::map<QString, Result> runAll()
    {
        std::map<QString, Result> r;
        MainWindow& f = form();
        const int reps = reps_;
        const int big = reps;

        // Open.
        normalMode();
        const QString finalText = plain(ui(f).textArea->text());
        r["Open"].ms = timeIt(
            big, [&] { f.document().markSaved(); }, [&] { ui(f).files->openFromDialog(); });
        r["Open"].floorMs = timeIt(big, {}, [&] {
            QFile in(file_);
            in.open(QIODevice::ReadOnly);
            const QByteArray bytes = in.readAll();
            bareEdit_.setPlainText(finalText);
        });

        // Enter Lines mode.
        const QStringList lines = ui(f).textArea->lines();
        // After an edit of one line in the text, as a user would leave it.
        int edits = 0;
        auto editALine = [&] {
            normalMode();
            f.document().type(lines_ / 2, 1, {QStringLiteral("// edited %1").arg(++edits).leftJustified(48)},
                              f.document().endsWithBreak());
        };
        r["Enter Lines mode"].ms = timeIt(big, editALine, [&] { ui(f).modeButton->click(); });
        r["Enter Lines mode"].floorMs = timeIt(big, {}, [&] {
            bareList_.clear();
            bareList_.addItems(lines);
        });

        // Enter Normal mode after a move, so that the text must change.
        // Alt+Up on the middle row, as the user moves a line.
        auto moveALine = [&] {
            ui(f).lineList->setItemIndex(lines_ / 2);
            QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::AltModifier);
            QApplication::sendEvent(ui(f).lineList, &up);
        };
        r["Enter Normal mode"].ms = timeIt(
            big,
            [&] {
                linesMode();
                moveALine();
            },
            [&] { ui(f).modeButton->click(); });
        const QString normalText = plain(ui(f).textArea->text());
        r["Enter Normal mode"].floorMs = timeIt(big, {}, [&] { bareEdit_.setPlainText(normalText); });

        // Save.
        normalMode();
        // Once through Save As, as a user does; then Save goes back to that file.
        dialogs_.savePath = saved_;
        ui(f).files->saveAs();
        const QByteArray bytes = ui(f).textArea->text().toLatin1();
        r["Save"].ms = timeIt(big, {}, [&] { ui(f).files->save(); });
        r["Save"].floorMs = timeIt(big, {}, [&] {
            QSaveFile out(saved_);
            out.open(QIODevice::WriteOnly);
            out.write(bytes);
            out.commit();
        });

        // Picker refills against one search of the whole text.
        const QString whole = ui(f).textArea->text();
        const QString absent = QStringLiteral("no such text anywhere");
        const double onePass = timeIt(reps, {}, [&] {
            volatile auto i = whole.indexOf(absent);
            (void)i;
        });
        for (auto [name, radio] : {std::pair{"Refill Units", ui(f).unitsRadio},
                                   std::pair{"Refill Buildings", ui(f).buildingsRadio},
                                   std::pair{"Refill Research", ui(f).researchRadio}}) {
            QRadioButton* button = radio;
            r[name].ms = timeIt(reps, {}, [&] { button->click(); });
            r[name].floorMs = onePass;
        }

        // The order check over the whole list, against the same one pass.
        const QStringList allLines = ui(f).textArea->lines();
        r["Check order"].ms = timeIt(reps, {}, [&] {
            volatile auto problems = checkOrder(f.catalog(), allLines).size();
            (void)problems;
        });
        r["Check order"].floorMs = onePass;

        // The same over a sound list as long: a list as people keep it, where
        // every line stands where the picker offered it.
        QStringList soundLines{QString::fromLatin1(kStartingLine)};
        while (soundLines.size() < allLines.size())
            soundLines << QStringLiteral("U83       Villager             3      109       ");
        const QString soundWhole = joinLines(soundLines);
        r["Check order, sound"].ms = timeIt(reps, {}, [&] {
            volatile auto problems = checkOrder(f.catalog(), soundLines).size();
            (void)problems;
        });
        r["Check order, sound"].floorMs = timeIt(reps, {}, [&] {
            volatile auto i = soundWhole.indexOf(absent);
            (void)i;
        });

        // Villager recount.
        r["Villager recount"].ms = timeIt(reps, {}, [&] { ui(f).picker->recountVillagers(); });
        r["Villager recount"].floorMs = onePass;

        // Find with no hit over the whole list.
        linesMode();
        ui(f).findDialog->setFindText(QStringLiteral("zzz_no_such"));
        dialogs_.answer = MsgResult::No;
        const QStringList items = ui(f).lineList->items();
        r["Find, no hit"].ms = timeIt(
            reps,
            [&] {
                EditPosition p = f.document().position();
                p.findFrom = 0;
                f.document().setPosition(p);
            },
            [&] { ui(f).find->findNext(); });
        r["Find, no hit"].floorMs = timeIt(reps, {}, [&] {
            int hits = 0;
            for (const QString& item : items)
                hits += item.contains(QLatin1String("zzz_no_such"), Qt::CaseInsensitive);
            volatile int keep = hits;
            (void)keep;
        });

        // Append at the end (a Villager), undone afterwards.
        normalMode();
        ui(f).unitsRadio->click();
        bareEdit_.setPlainText(plain(ui(f).textArea->text()));
        r["Append"].ms = timeIt(
            reps, {}, [&] { ui(f).picker->appendItem(); }, [&] { ui(f).removeLastLineButton->click(); });
        const QString villager = ui(f).textArea->line(0);
        r["Append"].floorMs = timeIt(reps, {}, [&] {
            QTextCursor c(bareEdit_.document());
            c.movePosition(QTextCursor::End);
            c.insertText(villager + QLatin1Char('\n'));
        });

        // Insert in the middle, taken out again afterwards.
        linesMode();
        bareList_.clear();
        bareList_.addItems(ui(f).lineList->items());
        r["Insert"].ms = timeIt(
            reps,
            [&] {
                EditPosition p = f.document().position();
                p.insertAt = lines_ / 2;
                f.document().setPosition(p);
            },
            [&] { ui(f).picker->appendItem(); }, [&] { ui(f).undoAction->trigger(); });
        r["Insert"].floorMs = timeIt(
            reps, {}, [&] { bareList_.insertItem(lines_ / 2, villager); },
            [&] { delete bareList_.takeItem(lines_ / 2); });

        // A drag move.
        r["Drag move"].ms = timeIt(reps, {}, [&] { moveALine(); });
        r["Drag move"].floorMs = timeIt(reps, {}, [&] {
            QListWidgetItem* item = bareList_.takeItem(lines_ / 2);
            bareList_.insertItem(lines_ / 2 - 1, item);
        });

        // A removal on the toilet, put back afterwards.
        auto takeMiddleLine = [&] {
            linesMode();
            ui(f).lineList->setItemIndex(lines_ / 2);
            ui(f).lineList->scrollToItem(ui(f).lineList->QListWidget::item(lines_ / 2));
        };
        // The middle row dragged onto the toilet, by the mouse events a
        // user's drag sends.
        auto removeIt = [&] {
            QListWidget* list = ui(f).lineList;
            const int before = list->count();
            QWidget* vp = list->viewport();
            const QPoint from = list->visualItemRect(list->item(lines_ / 2)).center();
            const QPoint to = ui(f).toilet->mapToGlobal(ui(f).toilet->rect().center());
            auto mouse = [&](QEvent::Type type, const QPoint& global, Qt::MouseButtons buttons) {
                QMouseEvent e(type, vp->mapFromGlobal(global), global, Qt::LeftButton, buttons,
                              Qt::NoModifier);
                QApplication::sendEvent(vp, &e);
            };
            mouse(QEvent::MouseButtonPress, vp->mapToGlobal(from), Qt::LeftButton);
            mouse(QEvent::MouseMove, vp->mapToGlobal(from + QPoint(0, 10)), Qt::LeftButton);
            mouse(QEvent::MouseMove, to, Qt::LeftButton);
            mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
            if (list->count() != before - 1)
                std::fprintf(stderr, "the drag onto the toilet removed nothing\n");
        };
        r["Remove on toilet"].ms = timeIt(big, takeMiddleLine, removeIt, [&] {
            // Put the line back in the list and the text alike.
            ui(f).undoAction->trigger();
        });
        const QString afterRemoval = plain(ui(f).textArea->text());
        r["Remove on toilet"].floorMs = timeIt(big, {}, [&] {
            QListWidgetItem* item = bareList_.takeItem(lines_ / 2);
            bareEdit_.setPlainText(afterRemoval);
            bareList_.insertItem(lines_ / 2, item);
        });

        // Undo of a removal: the line goes back into the list and the text.
        r["Undo a removal"].ms = timeIt(
            big,
            [&] {
                takeMiddleLine();
                removeIt();
            },
            [&] { ui(f).undoAction->trigger(); });
        r["Undo a removal"].floorMs = r["Remove on toilet"].floorMs;

        // Redo of a move taken back: the line moves in the list again.
        r["Redo a move"].ms = timeIt(
            reps,
            [&] {
                linesMode();
                moveALine();
                ui(f).undoAction->trigger();
            },
            [&] { ui(f).redoAction->trigger(); }, [&] { ui(f).undoAction->trigger(); });
        r["Redo a move"].floorMs = r["Drag move"].floorMs;

        // A keystroke on a short line in the middle of the text.
        normalMode();
        const int k = lines_ / 2;
        const QString shortLine = QString(40, QLatin1Char('x'));
        auto prepare = [&] {
            f.document().type(k, 1, {shortLine}, f.document().endsWithBreak());
            ui(f).textArea->setSelStart(k * 50 + 40);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
            QApplication::sendEvent(ui(f).textArea, &release);
        };
        r["Keystroke"].ms =
            timeIt(reps, prepare, [&] { sendKey(ui(f).textArea, Qt::Key_A, QStringLiteral("a")); });
        bareEdit_.setPlainText(plain(ui(f).textArea->text()));
        QTextCursor bareCaret(bareEdit_.document()->findBlockByNumber(k));
        bareCaret.movePosition(QTextCursor::EndOfBlock);
        bareEdit_.setTextCursor(bareCaret);
        r["Keystroke"].floorMs =
            timeIt(reps, {}, [&] { sendKey(&bareEdit_, Qt::Key_A, QStringLiteral("a")); });

        // The same with Check Order open: the keystroke and the check that
        // follows it once typing pauses, rows and tints included. The
        // floor is one frame at 60 Hz.
        CheckOrderWindow& check = *windows_.checkOrderWindow;
        ui(f).checkOrderAction->trigger();
        check.show(); // the benchmark's dialogs show nothing themselves
        r["Keystroke with Check Order open"].ms = timeIt(reps, prepare, [&] {
            sendKey(ui(f).textArea, Qt::Key_A, QStringLiteral("a"));
            if (check.checkPending())
                check.checkAgain();
        });
        r["Keystroke with Check Order open"].floorMs = 1000.0 / 60.0;
        check.closeWindow();
        return r;
    }

private:
    int lines_;
    int reps_;
    QString file_;
    QString saved_;
    AutoDialogs dialogs_;
    Application app_;
    Windows windows_;
    QPlainTextEdit bareEdit_;
    QListWidget bareList_;
};

// Median wall time of a process from its start to its end.
double timeProcess(const QString& program, const QStringList& args, int reps)
{
    std::vector<double> times;
    for (int i = 0; i < reps; ++i) {
        QProcess p;
        QElapsedTimer t;
        t.start();
        p.start(program, args);
        p.waitForFinished(60000);
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

long peakMemory(const QString& program, const QString& file)
{
    QProcess p;
    p.start(program, {QStringLiteral("--rss"), file});
    p.waitForFinished(120000);
    return p.readAllStandardOutput().trimmed().toLong();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const bool quick = args.contains(QStringLiteral("--quick"));
    std::vector<int> sizes = quick ? std::vector<int>{1000} : std::vector<int>{1000, 10000, 80000};
    // --size N: one size only, for profiling.
    if (const int at = int(args.indexOf(QStringLiteral("--size"))); at > 0 && at + 1 < args.size())
        sizes = {args.at(at + 1).toInt()};
    const int reps = quick ? 1 : 9;
    QTemporaryDir folder;

    std::map<int, std::map<QString, Result>> results;
    for (int n : sizes) {
        std::fprintf(stderr, "measuring %d lines...\n", n);
        SizeRun run(n, folder.path(), reps);
        results[n] = run.runAll();
    }

    // Growth: the time at 80,000 lines over the time at 10,000, the
    // floor's own growth beside it.
    std::printf("%-20s %8s %12s %12s %8s %16s\n", "action", "lines", "median ms", "floor ms", "ratio",
                "growth (floor)");
    const QStringList order{"Open",
                            "Enter Lines mode",
                            "Enter Normal mode",
                            "Save",
                            "Refill Units",
                            "Refill Buildings",
                            "Refill Research",
                            "Check order",
                            "Check order, sound",
                            "Find, no hit",
                            "Villager recount",
                            "Append",
                            "Insert",
                            "Drag move",
                            "Remove on toilet",
                            "Undo a removal",
                            "Redo a move",
                            "Keystroke",
                            "Keystroke with Check Order open"};
    for (const QString& action : order) {
        for (int n : sizes) {
            const Result& r = results[n][action];
            QString growth;
            if (n == 80000 && results.count(10000) && results[10000][action].ms > 0) {
                const Result& small = results[10000][action];
                growth = QStringLiteral("%1x (%2x)")
                             .arg(r.ms / small.ms, 0, 'f', 1)
                             .arg(small.floorMs > 0 ? r.floorMs / small.floorMs : 0.0, 0, 'f', 1);
            }
            std::printf("%-20s %8d %12.3f %12.3f %7.2fx %16s\n", qPrintable(action), n, r.ms, r.floorMs,
                        r.floorMs > 0 ? r.ms / r.floorMs : 0.0, qPrintable(growth));
        }
    }

    const QString dir = QCoreApplication::applicationDirPath();
    const QString ours = dir + QStringLiteral("/bench_probe_vexdit");
    const QString bare = dir + QStringLiteral("/bench_probe_bare");
    const double startOurs = timeProcess(ours, {}, quick ? 1 : 15);
    const double startBare = timeProcess(bare, {}, quick ? 1 : 15);
    const double startText = timeProcess(bare, {QStringLiteral("--text")}, quick ? 1 : 15);
    std::printf("%-20s %8s %12.3f %12.3f %7.2fx\n", "Start-up", "-", startOurs, startBare,
                startBare > 0 ? startOurs / startBare : 0.0);
    std::printf("%-20s %8s %12.3f %12.3f %7.2fx\n", "  floor with a label", "-", startOurs, startText,
                startText > 0 ? startOurs / startText : 0.0);

    const QString memFile = QStringLiteral("%1/list%2.ai").arg(folder.path()).arg(sizes.back());
    const long rssOurs = peakMemory(ours, memFile);
    const long rssBare = peakMemory(bare, memFile);
    std::printf("%-20s %8d %10ld KiB %8ld KiB %7.2fx\n", "Peak memory (Open)", sizes.back(), rssOurs, rssBare,
                rssBare > 0 ? double(rssOurs) / double(rssBare) : 0.0);
    return 0;
}
