// The real program killed at every step of a save (--normalize of a file
// of nearly 4 MiB): afterwards the file holds its old bytes or its new
// ones, and where it holds neither, a complete copy of the old bytes is
// there and the next --check names it. A copy under a backup's name is
// never partial.
#include "files/backupcopy.h"
#include "support/filetools.h"

#include "support/nowarnings.h"
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kLines = 80000;
constexpr int kMostSteps = 80;

struct Run {
    bool killed = false;
    int code = -1;
    QString err;
};

Run vexdit(const QStringList& arguments, const QString& folder, int killAt = 0)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_STATE_HOME", folder + "/state");
    if (killAt > 0) {
        env.insert("LD_PRELOAD", VEXDIT_KILLING_CALLS);
        env.insert("VEXDIT_KILL_AT", QString::number(killAt));
        env.insert("ASAN_OPTIONS", qEnvironmentVariable("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    }
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(folder);
    program.start(VEXDIT_PROGRAM, arguments);
    Run run;
    if (!program.waitForFinished(60000))
        return run;
    run.killed = program.exitStatus() != QProcess::NormalExit;
    run.code = program.exitCode();
    run.err = QString::fromLocal8Bit(program.readAllStandardError());
    return run;
}

// Every entry of the folder whose name ends so, with its path.
QStringList endingIn(const QString& folder, const QString& ending)
{
    QStringList found;
    for (const QString& name :
         QDir(folder).entryList({"*" + ending}, QDir::AllEntries | QDir::Hidden | QDir::System))
        found << QDir(folder).filePath(name);
    return found;
}

} // namespace

class TestSaveCrash : public QObject {
    Q_OBJECT

    // 48-character lines with LF breaks, which --normalize makes CR LF.
    QByteArray oldBytes;

private slots:
    void initTestCase()
    {
        oldBytes = QByteArray("B109      TownCenter           1      -1        \n").repeated(kLines);
    }
    void init() { failOnUnexpectedWarnings(); }

    void killedAtEveryStep_data()
    {
        QTest::addColumn<QString>("road");
        QTest::newRow("new file") << "new file";
        QTest::newRow("in place, copy beside") << "beside";
        QTest::newRow("in place, copy in the user's folder") << "user's folder";
    }
    void killedAtEveryStep()
    {
        QFETCH(QString, road);
        QByteArray newBytes;
        int kills = 0, leftTemporaries = 0;
        for (int killAt = 1; killAt <= kMostSteps; ++killAt) {
            QTemporaryDir folder;
            const QString file = folder.filePath("plan.ai");
            QVERIFY(writeAll(file, oldBytes));
            if (road != "new file") // a second name keeps the file where it is
                QCOMPARE(::link(qPrintable(file), qPrintable(folder.filePath("second.ai"))), 0);
            if (road == "user's folder") // a stranger's entry at the copy's name
                QCOMPARE(::mkfifo(qPrintable(backupBeside(file)), 0600), 0);
            const QString users = folder.filePath("state/vexdit/backups");

            const Run run = vexdit({"--normalize", "plan.ai"}, folder.path(), killAt);
            const QByteArray now = readAll(file);
            if (!run.killed) {
                QVERIFY2(run.code == 0, qPrintable(run.err));
                QVERIFY(now != oldBytes);
                if (!newBytes.isEmpty())
                    QCOMPARE(now, newBytes);
                QCOMPARE(endingIn(folder.path(), ".vexdit-backup").size(), road == "user's folder" ? 1 : 0);
                QCOMPARE(endingIn(users, ".vexdit-backup"), QStringList());
                QVERIFY2(kills >= 5, "the shim stopped too few steps");
                if (road == "new file")
                    QVERIFY2(leftTemporaries <= 1, "a temporary file left at more than one step");
                return;
            }
            ++kills;
            if (newBytes.isEmpty() && now != oldBytes && now.size() == oldBytes.size() + kLines)
                newBytes = now;
            // Every copy under a backup's name is whole.
            QStringList copies = endingIn(users, ".vexdit-backup");
            for (const QString& copy : endingIn(folder.path(), ".vexdit-backup"))
                if (QFileInfo(copy).isFile())
                    copies << copy;
            for (const QString& copy : copies)
                QVERIFY2(readAll(copy) == oldBytes,
                         qPrintable(QStringLiteral("step %1: %2").arg(killAt).arg(copy)));
            // A temporary left by the new-file road holds all its bytes.
            for (const QString& temporary : endingIn(folder.path(), ".vexdit-new")) {
                ++leftTemporaries;
                QCOMPARE(readAll(temporary).size(), oldBytes.size() + kLines);
            }
            QCOMPARE(endingIn(folder.path(), ".vexdit-tmp"), QStringList());
            if (now == oldBytes || (!newBytes.isEmpty() && now == newBytes))
                continue;
            // Neither: the copy is there, and named by the next check.
            QVERIFY2(!copies.isEmpty(),
                     qPrintable(QStringLiteral("step %1: mixed file, no copy").arg(killAt)));
            const Run check = vexdit({"--check", "plan.ai"}, folder.path());
            QVERIFY2(check.err.contains(copies.first()), qPrintable(check.err));
        }
        QFAIL("the save never finished");
    }
};

QTEST_GUILESS_MAIN(TestSaveCrash)
#include "tst_savecrash.moc"
