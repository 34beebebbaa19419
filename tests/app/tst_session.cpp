// Seeded random user sessions on the real main window: thousands of clicks,
// keys, drags, finds, counts and file operations, with the invariants that
// must always hold checked after every action. A failing seed names itself.
#include "app/mainwindow.h"
#include "app/startup.h"
#include "buildlist/lineformat.h"
#include "buildlist/villagers.h"
#include "buildlist/window/itempicker.h"
#include "buildlist/window/updownarrows.h"
#include "editing/textcopy.h"
#include "editing/window/modeswitch.h"
#include "editing/window/textpart.h"
#include "files/openroad.h"
#include "files/widthfixup.h"
#include "model/errors.h"
#include "search/window/countwindow.h"
#include "search/window/finddialog.h"
#include "support/controls.h"
#include "support/formfixture.h"
#include "widgets/application.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"
#include "widgets/completingcombobox.h"
#include "widgets/textbox.h"

#include "buildlist/window/appendmessages.h"
#include "editing/window/keymessages.h"
#include "files/window/filemessages.h"
#include "search/window/findmessages.h"
#include "support/nowarnings.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

// Answers every dialog at random, and notes any message the program should
// never show.
class RandomDialogs : public DialogService {
public:
    explicit RandomDialogs(QRandomGenerator& random) : random_(random) {}

    QStringList files; // what the open dialog may choose
    QString saveFolder;
    QStringList unexpected;

    MsgResult messageBox(QWidget*, const QString& text, const QString&, MsgButtons buttons, MsgIcon,
                         MsgResult) override
    {
        static const QStringList known{
            KeyMessages::kLineLengthInvalid,   FileMessages::kNotSavedNew, FileMessages::kNotSavedOpen,
            AppendMessages::kNoInsertionPoint, FindMessages::kEndOfList,   FileMessages::kTabs,
        };
        static const QRegularExpression conversion(
            QStringLiteral("^'.{0,2}' is not a valid integer value\\.$"));
        static const QRegularExpression notFound(QStringLiteral("^Cannot find \".*\"\\.$"));
        const bool readError = text.startsWith(FileMessages::kReadError + QLatin1Char('\n'));
        if (!known.contains(text) && !readError && !conversion.match(text).hasMatch()
            && !notFound.match(text).hasMatch())
            unexpected << text;
        if (buttons == MsgButtons::OK)
            return MsgResult::OK;
        return random_.bounded(4) == 0 ? MsgResult::No : MsgResult::Yes;
    }
    std::optional<QString> openFile(QWidget*, const FileDialogRequest&) override
    {
        if (files.isEmpty() || random_.bounded(8) == 0)
            return std::nullopt;
        return files.at(int(random_.bounded(files.size())));
    }
    std::optional<QString> saveFile(QWidget*, const FileDialogRequest&) override
    {
        if (random_.bounded(8) == 0)
            return std::nullopt;
        const QString path = QStringLiteral("%1/saved%2.ai").arg(saveFolder).arg(random_.bounded(3));
        if (!files.contains(path))
            files << path;
        return path;
    }
    void execModal(QDialog*) override {}
    void showModeless(QWidget* window) override { window->show(); }
    void playSound(const QString&) override {}
    void beep() override {}
    void showHelp(const QString&, int, int) override {}

private:
    QRandomGenerator& random_;
};

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Session {
public:
    // With `keepHistory`, New and Open, which start the history afresh,
    // give way to an Undo that is redone at once.
    // `Edits` weighs the session towards changes and Undo and Redo across
    // the two modes: the Undo button, moves, the toilet, switches of mode.
    enum class Mix { Everything, Edits };

    Session(quint32 seed, const QString& folder, bool keepHistory = false, Mix mix = Mix::Everything)
        : keepHistory_(keepHistory), mix_(mix), random_(seed), dialogs_(random_), app_(dialogs_),
          windows_(createWindows(app_)), f(*windows_.mainWindow)
    {
        dialogs_.saveFolder = folder;
        writeFile(folder + QStringLiteral("/mixed.ai"),
                  "// a plan\r\nB109 TownCenter\r\nU83 Villager                   4\r\n"
                  "//" + QByteArray(120, 'c')
                      + "\r\nR101\r\n\r\n");
        writeFile(folder + QStringLiteral("/tabs.ai"), "U83\tVillager\r\n");
        writeFile(folder + QStringLiteral("/badqty.ai"), "U83       Villager             x\r\n");
        dialogs_.files << folder + QStringLiteral("/mixed.ai") << folder + QStringLiteral("/tabs.ai")
                       << folder + QStringLiteral("/badqty.ai") << folder + QStringLiteral("/missing.ai");
        f.show();
        if (!QTest::qWaitForWindowExposed(&f))
            qWarning("the main window was not shown; mouse actions may miss");
    }

    // Runs one random action; returns its name.
    QString step()
    {
        const int roll = int(random_.bounded(100));
        if (mix_ == Mix::Edits)
            return edit(roll);
        if (roll < 18)
            return append();
        if (roll < 23)
            return click(ui(f).removeLastLineButton, "undo");
        if (roll < 30)
            return switchMode();
        if (roll < 38)
            return clickList();
        if (roll < 46)
            return clickText();
        if (roll < 66)
            return key();
        if (roll < 74)
            return dragMove();
        if (roll < 77)
            return toilet();
        if (roll < 80)
            return find();
        if (roll < 83)
            return count();
        if (roll < 86)
            return click(ui(f).refreshVillagersButton, "refresh");
        if (roll < 92 && keepHistory_)
            return undoAndRedo();
        if (roll < 88)
            return trigger(ui(f).newAction, "new");
        if (roll < 92)
            return open();
        return save();
    }

    QString edit(int roll)
    {
        if (roll < 15)
            return append();
        if (roll < 30)
            return click(ui(f).removeLastLineButton, "undo");
        if (roll < 45)
            return switchMode();
        if (roll < 65)
            return key();
        if (roll < 70)
            return clickText();
        if (roll < 75)
            return dragMove();
        if (roll < 80)
            return clickList();
        if (roll < 85)
            return toilet();
        return undoAndRedo();
    }

    // What must hold after every action; empty when it does.
    QString broken()
    {
        if (!dialogs_.unexpected.isEmpty())
            return QStringLiteral("unexpected message: ") + dialogs_.unexpected.join(" | ");
        if (f.panel(MainWindow::Panel::Mode)
            != (ui(f).modes->linesMode() ? QLatin1String("Lines") : QLatin1String("Normal")))
            return QStringLiteral("panel 2 disagrees with the mode");
        if (ui(f).textArea->isVisibleTo(&f) == ui(f).lineList->isVisibleTo(&f))
            return QStringLiteral("not exactly one of the text area and the list is shown");
        // The views show the document: the text area always, the list
        // while it is shown.
        const BuildList& document = f.document();
        if (ui(f).textArea->lines() != document.lines()
            || ui(f).textArea->endsWithBreak() != document.endsWithBreak())
            return QStringLiteral("the text area differs from the document");
        if (ui(f).modes->linesMode() && ui(f).lineList->items() != document.lines())
            return QStringLiteral("the list differs from the document");
        if ((f.panel(MainWindow::Panel::Marker) == QLatin1String("*")) != document.isModified())
            return QStringLiteral("the marker differs from the document");
        if (!tabFileShown_) {
            for (const QString& line : liveLines())
                if (line.size() > kLineLength)
                    return QStringLiteral("a line of %1 characters: %2").arg(line.size()).arg(line);
        }
        return savedFileBroken_;
    }

    // What Save would write now.
    QByteArray bytes() const
    {
        return ui(f).modes->linesMode() ? ui(f).lineList->text().toLatin1() : ui(f).textArea->latin1Text();
    }

    // Takes every step back, then makes every step again: the bytes must
    // be the session's first, then its last.
    QString undoAllRedoAll(const QByteArray& first)
    {
        // The session ends with every step it took back made again.
        while (ui(f).redoAction->isEnabled())
            choose(ui(f).redoAction);
        const QByteArray last = bytes();
        int steps = 0;
        for (; ui(f).undoAction->isEnabled(); ++steps)
            choose(ui(f).undoAction);
        if (bytes() != first)
            return QStringLiteral("undoing all %1 steps did not give the first bytes").arg(steps);
        while (ui(f).redoAction->isEnabled())
            choose(ui(f).redoAction);
        if (bytes() != last)
            return QStringLiteral("redoing all %1 steps did not give the last bytes").arg(steps);
        qInfo("%d steps undone and redone", steps);
        return {};
    }

    // A round trip through the other mode and back loses no line.
    QString roundTrip()
    {
        const QStringList before = liveLines();
        ui(f).modeButton->click();
        const QStringList across = liveLines();
        ui(f).modeButton->click();
        const QStringList after = liveLines();
        if (across != before || after != before)
            return QStringLiteral("a mode round trip changed the lines");
        return {};
    }

    // Refresh agrees with the sum of the villager lines.
    QString recountAgrees()
    {
        if (ui(f).modes->linesMode())
            return {};
        int expected = 0;
        try {
            for (const QString& line : ui(f).textArea->lines())
                addVillagerLine(line, expected);
        } catch (const ConvertError&) {
            return {}; // a line the user typed over; the recount reports it
        }
        ui(f).picker->recountVillagers();
        if (ui(f).picker->villagerCount() != expected
            || ui(f).villagerBox->text() != QString::number(expected))
            return QStringLiteral("Refresh gave %1, the lines hold %2")
                .arg(ui(f).picker->villagerCount())
                .arg(expected);
        return {};
    }

private:
    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
    }

    QStringList liveLines() const
    {
        return ui(f).modes->linesMode() ? ui(f).lineList->items() : ui(f).textArea->lines();
    }
    int pick(int n) { return n <= 0 ? 0 : int(random_.bounded(n)); }

    QString click(QAbstractButton* button, const char* name)
    {
        if (button->isEnabled() && button->isVisible())
            button->click();
        return QString::fromLatin1(name);
    }
    QString trigger(QAction* action, const char* name)
    {
        choose(action);
        afterFileOperation();
        return QString::fromLatin1(name);
    }

    QString append()
    {
        QRadioButton* radios[] = {ui(f).unitsRadio, ui(f).buildingsRadio, ui(f).researchRadio};
        radios[pick(3)]->click();
        if (ui(f).itemBox->count() > 0)
            ui(f).itemBox->setItemIndex(pick(ui(f).itemBox->count()));
        for (int i = pick(4); i > 0; --i)
            ui(f).quantityArrows->click(pick(3) == 0 ? UpDownArrows::Button::Down : UpDownArrows::Button::Up);
        if (pick(3) == 0) {
            for (QCheckBox* box : {ui(f).unitLimitCheck, ui(f).buildingLimitCheck, ui(f).criticalCheck})
                if (box->isVisible())
                    box->setChecked(true);
            for (int i = pick(5); i > 0; --i)
                ui(f).retrainsArrows->click(UpDownArrows::Button::Up);
        }
        ui(f).appendButton->click();
        return QStringLiteral("append");
    }

    QString switchMode()
    {
        switch (pick(3)) {
        case 0: ui(f).modeButton->click(); break;
        case 1: ui(f).editLinesAction->trigger(); break;
        default: ui(f).editNormalAction->trigger(); break;
        }
        return QStringLiteral("mode");
    }

    QString clickList()
    {
        if (!ui(f).modes->linesMode() || ui(f).lineList->count() == 0)
            return QStringLiteral("list click (skipped)");
        BuildListView* list = ui(f).lineList;
        const int row = pick(list->count());
        list->scrollToItem(list->QListWidget::item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->QListWidget::item(row)).center());
        return QStringLiteral("list click");
    }

    QString clickText()
    {
        if (ui(f).modes->linesMode())
            return QStringLiteral("text click (skipped)");
        placeCaret(ui(f).textArea, pick(ui(f).textArea->lineCount() * kLineSlot + 10));
        return QStringLiteral("text click");
    }

    QString key()
    {
        if (ui(f).modes->linesMode())
            return QStringLiteral("key (skipped)");
        ui(f).textArea->setFocus();
        static const Qt::Key moves[] = {Qt::Key_Up,   Qt::Key_Down, Qt::Key_Left,  Qt::Key_Right,
                                        Qt::Key_Home, Qt::Key_End,  Qt::Key_Delete};
        static const Qt::Key refused[] = {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Escape};
        const int roll = pick(12);
        if (roll >= 10) { // Ctrl+Z, Ctrl+Y, as the keys reach the window
            QTest::keyClick(ui(f).textArea, roll == 10 ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
            return QStringLiteral("key (undo or redo)");
        }
        if (roll < 5) {
            const QChar c = QChar(u' ' + pick(95));
            QTest::keyClick(ui(f).textArea, c.toLatin1());
        } else if (roll < 8) {
            QTest::keyClick(ui(f).textArea, moves[pick(7)],
                            pick(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
        } else if (roll < 9) {
            QTest::keyClick(ui(f).textArea, refused[pick(3)]);
        } else {
            QTest::keyClick(ui(f).textArea, Qt::Key_V, Qt::ControlModifier);
        }
        return QStringLiteral("key");
    }

    // A real drag of one of the first rows to a point in the list's viewport.
    void dragRow(const std::function<QPoint(int visibleRows)>& target)
    {
        BuildListView* list = ui(f).lineList;
        list->scrollToTop();
        QApplication::processEvents();
        const int visible = qMin(list->count(), 10);
        const QPoint start = list->visualItemRect(list->QListWidget::item(pick(visible))).center();
        const QPoint end = target(visible);
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, start);
        QTest::mouseMove(list->viewport(), start + QPoint(0, 6));
        QTest::mouseMove(list->viewport(), end);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, end);
    }

    QString dragMove()
    {
        if (!ui(f).modes->linesMode() || ui(f).lineList->count() < 2)
            return QStringLiteral("drag (skipped)");
        BuildListView* list = ui(f).lineList;
        dragRow([&](int visible) {
            return pick(4) == 0 ? QPoint(20, list->viewport()->height() - 3)
                                : list->visualItemRect(list->QListWidget::item(pick(visible))).center();
        });
        return QStringLiteral("drag move");
    }

    QString toilet()
    {
        if (!ui(f).modes->linesMode() || ui(f).lineList->count() == 0)
            return QStringLiteral("toilet (skipped)");
        dragRow([&](int) {
            return ui(f).lineList->viewport()->mapFrom(
                &f, ui(f).toilet->mapTo(&f, ui(f).toilet->rect().center()));
        });
        return QStringLiteral("toilet");
    }

    QString find()
    {
        static const char* texts[] = {"villager", "ARCH", "b109", "zzz", "", "r_age"};
        ui(f).findAction->trigger();
        ui(f).findDialog->setFindText(QString::fromLatin1(texts[pick(6)]));
        ui(f).findDialog->pressFindNext();
        return QStringLiteral("find");
    }

    QString count()
    {
        CountWindow& w = *windows_.countWindow;
        ui(f).countAction->trigger();
        ui(w).unitBox->setCurrentIndex(pick(ui(w).unitBox->count()));
        ui(w).countButton->click();
        if (pick(3) == 0)
            ui(w).copyButton->click();
        if (pick(4) == 0)
            ui(w).clearButton->click();
        return QStringLiteral("count");
    }

    // Undo, and mostly Redo at once; an Undo left alone has the next change
    // take the place of the step it took back, or a later Redo make it again.
    QString undoAndRedo()
    {
        const QByteArray before = bytes();
        // A Redo on its own, in whichever mode the window is in now: the
        // step it makes again may have been taken back in the other one.
        if (pick(4) == 0 && ui(f).redoAction->isEnabled()) {
            choose(ui(f).redoAction);
            return QStringLiteral("redo");
        }
        if (!ui(f).undoAction->isEnabled())
            return QStringLiteral("undo (nothing)");
        const QString step = ui(f).undoAction->text();
        choose(ui(f).undoAction);
        if (pick(3) == 0)
            return QStringLiteral("undo");
        choose(ui(f).redoAction);
        if (bytes() != before)
            savedFileBroken_ = step + QStringLiteral(" and Redo did not give the bytes back");
        return QStringLiteral("undo and redo");
    }

    QString open()
    {
        choose(ui(f).openAction);
        afterFileOperation();
        return QStringLiteral("open");
    }

    QString save()
    {
        // A file whose status changed was written: its inode change time
        // moves with every write and rename, to the nanosecond.
        auto changeTime = [](const QString& path) {
            struct stat status = {};
            if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0)
                return std::pair<qint64, qint64>{-1, -1};
            return std::pair<qint64, qint64>{qint64(status.st_ctim.tv_sec), qint64(status.st_ctim.tv_nsec)};
        };
        const std::pair<qint64, qint64> before = changeTime(f.panel(MainWindow::Panel::File));
        const QString shownBefore = f.panel(MainWindow::Panel::File);
        choose(pick(2) ? ui(f).saveAction : ui(f).saveAsAction);
        // Whatever was written is the text area's text, byte for byte, and
        // opening it again gives the lines Open's road makes of them.
        const QString written = f.panel(MainWindow::Panel::File);
        const bool wrote = !written.isEmpty() && (written != shownBefore || changeTime(written) != before);
        if (wrote && !f.isModified() && !ui(f).modes->linesMode()) {
            const QByteArray bytes = readAll(written);
            if (bytes != ui(f).textArea->latin1Text())
                savedFileBroken_ = QStringLiteral("the saved file differs from the text");
            QStringList expected = fixLineWidths(ui(f).textArea->lines());
            NormalizeLineNames(f.catalog(), expected);
            const OpenedText reopened = prepareOpenedText(QString::fromLatin1(bytes), f.catalog());
            if (!tabFileShown_ && reopened.lines != expected)
                savedFileBroken_ = QStringLiteral("the saved file does not reopen to its lines");
        }
        return QStringLiteral("save");
    }

    void afterFileOperation()
    {
        // A refused tab file is shown as read, long lines and all, until the
        // next New or successful Open.
        const QString text = ui(f).textArea->text();
        tabFileShown_ = text.contains(QLatin1Char('\t'));
    }

    bool keepHistory_;
    Mix mix_;
    QRandomGenerator random_;
    RandomDialogs dialogs_;
    Application app_;
    Windows windows_;
    MainWindow& f;
    bool tabFileShown_ = false;
    QString savedFileBroken_;
};

} // namespace

class TestSession : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void randomSession_data()
    {
        QTest::addColumn<quint32>("seed");
        const int seeds = qEnvironmentVariableIntValue("VEXDIT_SESSION_SEEDS");
        for (quint32 seed = 1; seed <= quint32(seeds > 0 ? seeds : 6); ++seed)
            QTest::newRow(qPrintable(QStringLiteral("seed-%1").arg(seed))) << seed;
    }
    void randomSession()
    {
        QFETCH(quint32, seed);
        const int actions = qEnvironmentVariableIntValue("VEXDIT_SESSION_ACTIONS") > 0
                                ? qEnvironmentVariableIntValue("VEXDIT_SESSION_ACTIONS")
                                : 2500;
        QTemporaryDir folder;
        Session session(seed, folder.path());
        QStringList recent;
        int checks = 0;
        for (int i = 0; i < actions; ++i) {
            recent << session.step();
            if (recent.size() > 8)
                recent.removeFirst();
            QString broken = session.broken();
            if (broken.isEmpty() && i % 25 == 0)
                broken = session.roundTrip();
            if (broken.isEmpty() && i % 40 == 0)
                broken = session.recountAgrees();
            ++checks;
            if (!broken.isEmpty()) {
                QFAIL(qPrintable(
                    QStringLiteral("seed %1, action %2 (%3): %4\nreplay: tst_session randomSession:seed-%1")
                        .arg(seed)
                        .arg(i)
                        .arg(recent.join(QStringLiteral(", ")), broken)));
            }
        }
        qInfo("seed %u: %d actions, invariants checked after each", seed, checks);
    }

    // The strongest thing an Undo can promise: after a seeded session of
    // every kind of change, undoing every step gives back the bytes the
    // session began with, and redoing every step its last bytes.
    void undoEverything_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<bool>("edits");
        const int seeds = qEnvironmentVariableIntValue("VEXDIT_SESSION_SEEDS");
        for (quint32 seed = 1; seed <= quint32(seeds > 0 ? seeds : 6); ++seed)
            QTest::newRow(qPrintable(QStringLiteral("seed-%1").arg(seed))) << seed << false;
        // Edits across the modes: these seeds once left the text without its
        // final break while the list was shown.
        for (quint32 seed : {12u, 80u, 121u, 162u})
            QTest::newRow(qPrintable(QStringLiteral("edits-seed-%1").arg(seed))) << seed << true;
    }
    void undoEverything()
    {
        QFETCH(quint32, seed);
        QFETCH(bool, edits);
        QTemporaryDir folder;
        Session session(seed, folder.path(), true, edits ? Session::Mix::Edits : Session::Mix::Everything);
        const QByteArray first = session.bytes();
        QStringList recent;
        for (int i = 0; i < 1500; ++i) {
            recent << session.step();
            if (recent.size() > 8)
                recent.removeFirst();
            const QString broken = session.broken();
            QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("seed %1, action %2 (%3): %4")
                                                      .arg(seed)
                                                      .arg(i)
                                                      .arg(recent.join(QStringLiteral(", ")), broken)));
        }
        const QString broken = session.undoAllRedoAll(first);
        QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(broken)));
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
