// Disk and permission faults on Save and Open: each shows its message,
// leaves every file as it was, and the editor goes on working.
#include "app/mainwindow.h"
#include "buildlist/lineformat.h"
#include "buildlist/window/itempicker.h"
#include "files/window/filecommands.h"
#include "support/controls.h"
#include "support/filetools.h"
#include "support/formfixture.h"
#include "widgets/buildlisttextedit.h"

#include "files/window/filemessages.h"
#include "support/nowarnings.h"
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <grp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QByteArray kOld = kStartingBytes;

// After a fault the editor still saves to a good place.
void stillWorks(FormFixture& f, const QString& good)
{
    ui(f.form).picker->appendItem();
    f.dialogs.expectSave(good);
    ui(f.form).files->saveAs();
    QCOMPARE(readAll(good), ui(f.form).textArea->latin1Text());
    QVERIFY(!f.form.isModified());
}

void expectSaveFault(FormFixture& f, const QString& target)
{
    ui(f.form).picker->appendItem();
    const int before = f.dialogs.messages.size();
    f.dialogs.expectSave(target);
    f.dialogs.expectMessage();
    choose(ui(f.form).saveAsAction);
    QCOMPARE(f.dialogs.messages.size(), before + 1);
    QCOMPARE(f.dialogs.messages.last().text, QStringLiteral("Cannot create file %1.").arg(target));
    QVERIFY(f.form.isModified());
}

void expectReadFault(FormFixture& f, const QString& path)
{
    const QStringList before = f.lines();
    f.dialogs.expectOpen(path);
    f.dialogs.expectMessage();
    choose(ui(f.form).openAction);
    QVERIFY(f.dialogs.messages.last().text.startsWith(FileMessages::kReadError + "\n\n" + path + ": "));
    QCOMPARE(f.lines(), before);
}

// Two hundred lines: more than a small file-size limit lets through.
void setManyLines(FormFixture& f)
{
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << QString::fromLatin1(kStartingLine);
    f.setLines(lines);
}

// A file-size limit stands in for a full disk: a write stops part-way, as
// it would when the disk fills. The save is expected to fail with it.
void expectSaveFaultOnAFullDisk(FormFixture& f, const QString& target)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    expectSaveFault(f, target);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);
}

} // namespace

class TestFaults : public QObject, private TestFolder {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void runsWithoutRootRights() { QVERIFY(geteuid() != 0); }

    // A writable file in a folder that takes no new file is rewritten in
    // place, its old bytes first kept in the user's own backup folder;
    // where no copy can be kept anywhere, the user is asked. A new file
    // there cannot be made.
    void readOnlyFolder_data()
    {
        QTest::addColumn<bool>("stateUsable");
        QTest::addColumn<MsgResult>("answer"); // to overwriting with no copy
        QTest::newRow("copy in the user's folder") << true << MsgResult::No;
        QTest::newRow("no copy anywhere, kept") << false << MsgResult::No;
        QTest::newRow("no copy anywhere, overwritten") << false << MsgResult::Yes;
    }
    void readOnlyFolder()
    {
        QFETCH(bool, stateUsable);
        QFETCH(MsgResult, answer);
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).remove(' ').remove(',');
        const QString locked = path("locked" + tag);
        QDir(dir.path()).mkdir("locked" + tag);
        const QString old = locked + "/old.ai";
        QVERIFY(writeAll(old, kOld));
        QVERIFY(writeAll(path("afile"), kOld));
        const QString state = stateUsable ? path("state" + tag) : path("afile/state");
        const QByteArray stateBefore = qgetenv("XDG_STATE_HOME");
        const auto restoreState = qScopeGuard([&] { qputenv("XDG_STATE_HOME", stateBefore); });
        qputenv("XDG_STATE_HOME", QFile::encodeName(state));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        FormFixture f;
        ui(f.form).picker->appendItem();
        f.dialogs.expectSave(old);
        if (!stateUsable)
            f.dialogs.expectMessage(answer);
        choose(ui(f.form).saveAsAction);
        const bool written = stateUsable || answer == MsgResult::Yes;
        if (!stateUsable)
            QCOMPARE(f.dialogs.messages.last().text, FileMessages::kNoBackup.arg(old));
        QCOMPARE(readAll(old), written ? ui(f.form).textArea->latin1Text() : kOld);
        QCOMPARE(f.form.isModified(), !written);
        if (stateUsable) // the copy is gone once the save is done
            QCOMPARE(QDir(state + "/vexdit/backups").entryList(QDir::Files | QDir::Hidden), QStringList());
        expectSaveFault(f, locked + "/new.ai");
        QCOMPARE(QDir(locked).entryList(QDir::Files | QDir::Hidden), QStringList{"old.ai"}); // nothing left
        stillWorks(f, path("good1" + tag + ".ai"));
        VERIFY_DIALOGS(f);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The disk fills while the file is rewritten in place: its old bytes
    // go back, and every name of it reads them.
    void fullDiskWhileRewritingInPlace()
    {
        QVERIFY(writeAll(path("linked.ai"), kOld));
        QCOMPARE(::link(qPrintable(path("linked.ai")), qPrintable(path("other.ai"))), 0); // a second name
        FormFixture f;
        setManyLines(f);
        expectSaveFaultOnAFullDisk(f, path("linked.ai"));
        QCOMPARE(readAll(path("linked.ai")), kOld);
        QCOMPARE(readAll(path("other.ai")), kOld);
        VERIFY_DIALOGS(f);
    }

    void missingFolder()
    {
        FormFixture f;
        expectSaveFault(f, path("gone/x.ai"));
        QVERIFY(!QFileInfo::exists(path("gone")));
        stillWorks(f, path("good2.ai"));
        VERIFY_DIALOGS(f);
    }

    void fileReplacedByAFolder()
    {
        QVERIFY(writeAll(path("moved.ai"), kOld));
        FormFixture f;
        f.dialogs.expectOpen(path("moved.ai"));
        choose(ui(f.form).openAction);
        QVERIFY(QFile::remove(path("moved.ai")));
        QVERIFY(QDir(dir.path()).mkdir("moved.ai"));
        QVERIFY(writeAll(path("moved.ai/inside.txt"), "kept"));
        ui(f.form).picker->appendItem();
        f.dialogs.expectMessage(MsgResult::No); // no Save As
        choose(ui(f.form).saveAction);
        QCOMPARE(f.dialogs.messages.last().text, FileMessages::kNotTheFileRead.arg(path("moved.ai")));
        QCOMPARE(readAll(path("moved.ai/inside.txt")), QByteArray("kept"));
        QVERIFY(f.form.isModified());
        stillWorks(f, path("good3.ai"));
        VERIFY_DIALOGS(f);
    }

    void fullDisk()
    {
        QVERIFY(writeAll(path("full.ai"), kOld));
        FormFixture f;
        setManyLines(f);
        expectSaveFaultOnAFullDisk(f, path("full.ai"));
        QCOMPARE(readAll(path("full.ai")), kOld);
        QCOMPARE(QDir(dir.path()).entryList({"full.ai*"}, QDir::Files), QStringList{"full.ai"});
        stillWorks(f, path("good4.ai"));
        VERIFY_DIALOGS(f);
    }

    void fileVanishedAfterTheDialog()
    {
        QVERIFY(writeAll(path("vanish.ai"), kOld));
        QVERIFY(QFile::remove(path("vanish.ai")));
        FormFixture f;
        expectReadFault(f, path("vanish.ai"));
        stillWorks(f, path("good5.ai"));
        VERIFY_DIALOGS(f);
    }

    void fileWithoutReadPermission()
    {
        QVERIFY(writeAll(path("secret.ai"), kOld));
        QFile::setPermissions(path("secret.ai"), QFile::WriteOwner);
        FormFixture f;
        expectReadFault(f, path("secret.ai"));
        QCOMPARE(ui(f.form).files->fileName(), QString());
        stillWorks(f, path("good6.ai"));
        VERIFY_DIALOGS(f);
    }
};

// File permissions mean nothing to root: the test gives up its rights first.
// Changing user makes the kernel mark the process untraceable, and the leak
// checker stops the process's threads by tracing them at exit: mark it
// traceable again, or the sanitizer build aborts after every case passed.
int main(int argc, char** argv)
{
    if (geteuid() == 0) {
        constexpr uid_t kNobody = 65534;
        if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)
            return 1;
        if (prctl(PR_SET_DUMPABLE, 1) != 0)
            return 1;
    }
    QApplication app(argc, argv);
    TestFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faults.moc"
