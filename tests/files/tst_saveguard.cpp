// A save writes only the file that was read: not a link or file put in
// its place, not a file that another program changed meanwhile without
// being asked, nothing Open would refuse to read back.
#include "files/diskfile.h"
#include "files/filebytes.h"
#include "files/savesteps.h"
#include "support/filetools.h"

#include "support/nowarnings.h"
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kOld = "old\r\n";
const QByteArray kNew = kStartingBytes;
const QByteArray kVictim = "root's own file\n";

enum class Swap { ForALink, ForAnotherFile, Deleted, ForAFolder, ForALinkToNowhere };

} // namespace

class TestSaveGuard : public QObject, private TestFolder {
    Q_OBJECT
private:
    DiskFile readBack(const QString& file)
    {
        ReadOutcome read = readBuildList(file);
        if (!read.file)
            qFatal("cannot read %s: %s", qPrintable(file), qPrintable(read.whyNot));
        return std::move(*read.file);
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // Between the read and the save the name is made to lead elsewhere: the
    // save writes nothing, and whatever now holds the name is untouched.
    void nameThatLeadsElsewhere_data()
    {
        QTest::addColumn<Swap>("swap");
        QTest::newRow("swapped for a link") << Swap::ForALink;
        QTest::newRow("swapped for another file") << Swap::ForAnotherFile;
        QTest::newRow("deleted") << Swap::Deleted;
        QTest::newRow("swapped for a folder") << Swap::ForAFolder;
        QTest::newRow("swapped for a link to nowhere") << Swap::ForALinkToNowhere;
    }
    void nameThatLeadsElsewhere()
    {
        QFETCH(Swap, swap);
        const QString file = path(QStringLiteral("swap%1.ai").arg(int(swap)));
        const QString victim = path(QStringLiteral("victim%1").arg(int(swap)));
        QVERIFY(writeAll(file, kOld));
        QVERIFY(writeAll(victim, kVictim));
        DiskFile read = readBack(file);
        QVERIFY(QFile::remove(file));
        if (swap == Swap::ForALink)
            QVERIFY(QFile::link(victim, file));
        else if (swap == Swap::ForAnotherFile)
            QVERIFY(QFile::copy(victim, file));
        else if (swap == Swap::ForAFolder)
            QVERIFY(QDir(dir.path()).mkdir(QFileInfo(file).fileName()));
        else if (swap == Swap::ForALinkToNowhere)
            QVERIFY(QFile::link(victim + ".nowhere", file));
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);

        QCOMPARE(saveOver(read, kNew).status, SaveStatus::NotTheFileRead);
        QCOMPARE(saveOver(read, kNew, SaveOptions{true}).status, SaveStatus::NotTheFileRead);
        QCOMPARE(readAll(victim), kVictim);
        if (swap == Swap::ForAnotherFile)
            QCOMPARE(readAll(file), kVictim);
        QVERIFY(!QFileInfo::exists(victim + ".nowhere"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), before);
    }

    // Another program changed the file: the save says so and writes
    // nothing until told to go ahead. A change that keeps the size and puts
    // the time back (cp -p, rsync -t) still moves the status-change time; a
    // change within the same second differs in nanoseconds only.
    void changedOnDisk_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("appended") << "append";
        QTest::newRow("same size, time put back") << "restore time";
        QTest::newRow("same size, the same second") << "same second";
    }
    void changedOnDisk()
    {
        QFETCH(QString, change);
        const QString file = path("changed-" + change.left(4) + ".ai");
        // Early in a second, so that the change falls in the same one.
        while (QDateTime::currentMSecsSinceEpoch() % 1000 > 300)
            QTest::qSleep(20);
        QVERIFY(writeAll(file, kOld));
        DiskFile read = readBack(file);
        if (change == "append") {
            QFile other(file);
            QVERIFY(other.open(QIODevice::Append));
            other.write("appended by another program\r\n");
        } else {
            QByteArray same = kOld;
            same[0] = 'O';
            QVERIFY(writeAll(file, same));
            if (change == "restore time") {
                const struct timespec times[2] = {read.file.status.st_atim, read.file.status.st_mtim};
                QCOMPARE(::utimensat(AT_FDCWD, qPrintable(file), times, 0), 0);
            }
        }
        const QByteArray changed = readAll(file);
        QCOMPARE(saveOver(read, kNew).status, SaveStatus::ChangedOnDisk);
        QCOMPARE(readAll(file), changed);
        QVERIFY(saveOver(read, kNew, SaveOptions{true}).saved());
        QCOMPARE(readAll(file), kNew);
        // Its own save is not a change by another program.
        QVERIFY(saveOver(read, kOld).saved());
        QCOMPARE(readAll(file), kOld);
    }

    // Another program appends while the save runs, after the new bytes
    // (or the copy of the old ones) are flushed: nothing is replaced, and
    // nothing of the save is left beside the file.
    void changedWhileSaving_data()
    {
        QTest::addColumn<bool>("inPlace"); // a second name keeps the file where it is
        QTest::newRow("new file") << false;
        QTest::newRow("in place") << true;
    }
    void changedWhileSaving()
    {
        QFETCH(bool, inPlace);
        QTemporaryDir folder;
        const QString file = folder.filePath("busy.ai");
        QVERIFY(writeAll(file, kOld));
        if (inPlace)
            QCOMPARE(::link(qPrintable(file), qPrintable(folder.filePath("other.ai"))), 0);
        DiskFile read = readBack(file);
        const SaveStep moment = inPlace ? SaveStep::OldBytesKept : SaveStep::NewBytesFlushed;
        int appends = 0;
        const SaveStepHook before = setSaveStepHook([&](SaveStep step) {
            if (step == moment && appends++ == 0) {
                QFile other(file);
                if (other.open(QIODevice::Append))
                    other.write("appended meanwhile\r\n");
            }
            return 0;
        });
        const auto restore = qScopeGuard([&] { setSaveStepHook(before); });
        QCOMPARE(saveOver(read, kNew).status, SaveStatus::ChangedOnDisk);
        QCOMPARE(appends, 1);
        QCOMPARE(readAll(file), kOld + "appended meanwhile\r\n");
        const QStringList names = inPlace ? QStringList{"busy.ai", "other.ai"} : QStringList{"busy.ai"};
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), names);
        QCOMPARE(QDir(qEnvironmentVariable("XDG_STATE_HOME") + "/vexdit/backups")
                     .entryList({"busy.ai*"}, QDir::Files | QDir::Hidden),
                 QStringList());
    }

    // A file made under the name between the walk to its folder and the
    // write is another program's: refused, and left as it was.
    void fileMadeMeanwhileIsNotReplaced()
    {
        const QString file = path("meanwhile.ai");
        const SaveStepHook before = setSaveStepHook([&](SaveStep step) {
            if (step == SaveStep::PathWalked)
                writeAll(file, kVictim);
            return 0;
        });
        const auto restore = qScopeGuard([&] { setSaveStepHook(before); });
        const SaveOutcome saved = saveTo(file, kNew);
        QCOMPARE(saved.status, SaveStatus::Failed);
        QCOMPARE(saved.why, QStringLiteral("another program made it meanwhile"));
        QCOMPARE(readAll(file), kVictim);
    }

    // In a sticky folder that everyone may write, a link that neither the
    // user nor the folder's owner made is not followed, to read or write.
    void strangersLinkInASharedFolder()
    {
        if (geteuid() != 0)
            QSKIP("giving a link to another user takes root");
        QVERIFY(QDir(dir.path()).mkdir("shared"));
        QCOMPARE(::chmod(qPrintable(path("shared")), 01777), 0);
        QVERIFY(writeAll(path("private"), kVictim));
        QVERIFY(QFile::link(path("private"), path("shared/plan.ai")));
        QCOMPARE(::lchown(qPrintable(path("shared/plan.ai")), 12345, 12345), 0);

        QVERIFY(!readBuildList(path("shared/plan.ai")).text);
        const SaveOutcome saved = saveTo(path("shared/plan.ai"), kNew);
        QVERIFY(!saved.saved());
        QVERIFY(saved.refused);
        QVERIFY(!saveTargetOf(path("shared/plan.ai")).whyNot.isEmpty());
        QCOMPARE(readAll(path("private")), kVictim);
        // Nor one on the way to the file.
        QVERIFY(QDir(dir.path()).mkdir("privatefolder"));
        QVERIFY(QFile::link(path("privatefolder"), path("shared/folder")));
        QCOMPARE(::lchown(qPrintable(path("shared/folder")), 12345, 12345), 0);
        QVERIFY(!saveTo(path("shared/folder/plan.ai"), kNew).saved());
        QVERIFY(!QFile::exists(path("privatefolder/plan.ai")));
        // Nor when the file there exists.
        QVERIFY(writeAll(path("privatefolder/plan.ai"), kVictim));
        QVERIFY(!readBuildList(path("shared/folder/plan.ai")).text);
        QVERIFY(!saveTo(path("shared/folder/plan.ai"), kNew).saved());
        QVERIFY(!saveTargetOf(path("shared/folder/plan.ai")).whyNot.isEmpty());
        QCOMPARE(readAll(path("privatefolder/plan.ai")), kVictim);
        // The user's own link there is followed.
        QVERIFY(QFile::link(path("private"), path("shared/mine.ai")));
        QVERIFY(readBuildList(path("shared/mine.ai")).text);
    }

    // Save As names the file that would be written, and refuses a link
    // that leads nowhere rather than create its target.
    void saveTarget_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written"); // empty: refused
        QTest::addColumn<bool>("exists");
        QTest::newRow("a new file") << "new.ai"
                                    << "new.ai" << false;
        QTest::newRow("a file") << "target.ai"
                                << "target.ai" << true;
        QTest::newRow("a link to a file") << "link.ai"
                                          << "target.ai" << true;
        QTest::newRow("a link that leads nowhere") << "dangling.ai"
                                                   << "" << false;
        QTest::newRow("a relative link through a folder") << "sub/up.ai"
                                                          << "target.ai" << true;
    }
    void saveTarget()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(bool, exists);
        if (!QFile::exists(path("target.ai"))) {
            QVERIFY(writeAll(path("target.ai"), kOld));
            QVERIFY(QFile::link(path("target.ai"), path("link.ai")));
            QVERIFY(QFile::link(path("nowhere/gone.ai"), path("dangling.ai")));
            QVERIFY(QDir(dir.path()).mkpath("sub/deeper"));
            QVERIFY(QFile::link("deeper/../../link.ai", path("sub/up.ai")));
        }
        const SaveTarget target = saveTargetOf(path(chosen));
        QCOMPARE(target.whyNot.isEmpty(), !written.isEmpty());
        if (written.isEmpty()) {
            QVERIFY(!saveTo(path(chosen), kNew).saved());
            QVERIFY(!QFileInfo::exists(path("nowhere")));
            return;
        }
        QCOMPARE(QFileInfo(target.path).canonicalFilePath(), QFileInfo(path(written)).canonicalFilePath());
        QCOMPARE(target.path, QDir::cleanPath(target.path));
        QCOMPARE(target.exists, exists);
    }

    // Never a file Open would refuse: 84,000 lines under 4 MiB with LF
    // breaks take more with CR LF.
    void tooLargeIsNotWritten()
    {
        QVERIFY(writeAll(path("big.ai"), kOld));
        DiskFile read = readBack(path("big.ai"));
        const QByteArray tooLarge(kMaxFileSize + 1, '/');
        QCOMPARE(saveOver(read, tooLarge).status, SaveStatus::TooLarge);
        QCOMPARE(saveTo(path("big.ai"), tooLarge).status, SaveStatus::TooLarge);
        QCOMPARE(saveTo(path("new-big.ai"), tooLarge).status, SaveStatus::TooLarge);
        QCOMPARE(readAll(path("big.ai")), kOld);
        QVERIFY(!QFileInfo::exists(path("new-big.ai")));
        QVERIFY(saveOver(read, QByteArray(kMaxFileSize, '/')).saved());
    }

    // A copy that an unfinished save left is never written over: the
    // in-place road (a second name) refuses rather than lose it.
    void leftoverCopyIsInTheWay()
    {
        QVERIFY(writeAll(path("kept.ai"), kOld));
        QCOMPARE(::link(qPrintable(path("kept.ai")), qPrintable(path("second.ai"))), 0);
        QVERIFY(writeAll(backupBeside(path("kept.ai")), kVictim));
        DiskFile read = readBack(path("kept.ai"));
        const SaveOutcome saved = saveOver(read, kNew);
        QCOMPARE(saved.status, SaveStatus::Failed);
        QVERIFY(saved.refused);
        QCOMPARE(readAll(path("kept.ai")), kOld);
        QCOMPARE(readAll(backupBeside(path("kept.ai"))), kVictim);
    }

    // An ordinary save gives the file a new inode: the leftover copy, named
    // after the old one, follows it and is still pointed out, bytes intact.
    void leftoverCopyIsStillPointedOutAfterASave()
    {
        QVERIFY(writeAll(path("left.ai"), kOld));
        QVERIFY(writeAll(backupBeside(path("left.ai")), kVictim));
        for (const QByteArray& bytes : {kNew, kOld}) {
            ReadOutcome read = readBuildList(path("left.ai"));
            QVERIFY(read.file);
            QCOMPARE(read.leftoverBackup, backupBeside(path("left.ai")));
            QVERIFY(saveOver(*read.file, bytes).saved());
            QCOMPARE(readAll(path("left.ai")), bytes);
        }
        QCOMPARE(readAll(backupBeside(path("left.ai"))), kVictim);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files).filter("left.ai").size(), 2);
    }

    // A pipe is refused without waiting for a writer that never comes.
    void pipeDoesNotBlockTheRead()
    {
        QCOMPARE(::mkfifo(qPrintable(path("pipe.ai")), 0600), 0);
        alarm(10); // a read that blocks ends the test here
        const ReadOutcome read = readBuildList(path("pipe.ai"));
        alarm(0);
        QVERIFY(!read.text);
        QCOMPARE(read.whyNot, QStringLiteral("not a regular file"));
    }
};

QTEST_GUILESS_MAIN(TestSaveGuard)
#include "tst_saveguard.moc"
