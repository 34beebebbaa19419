// A save keeps what the file is: its other names, its owner, group and
// mode, and the link that leads to it; a new file replaces the old one only
// where that loses nothing.
#include "files/diskfile.h"
#include "support/filetools.h"

#include "support/nowarnings.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

const QByteArray kOld = "old\r\n";
const QByteArray kNew = kStartingBytes;

// The file's access list as getfacl prints it, and its user attribute.
QString accessOf(const QString& path)
{
    QProcess getfacl;
    getfacl.start("getfacl", {"--omit-header", "--absolute-names", path});
    getfacl.waitForFinished();
    char value[64] = {};
    const ssize_t n = ::getxattr(QFile::encodeName(path).constData(), "user.vexdit", value, sizeof value - 1);
    return QString::fromLocal8Bit(getfacl.readAllStandardOutput()) + QLatin1String(n > 0 ? value : "");
}

bool run(const QString& program, const QStringList& arguments)
{
    return QProcess::execute(program, arguments) == 0;
}

struct stat statOf(const QString& path)
{
    struct stat st {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st;
}

} // namespace

class TestSaveKeeps : public QObject, private TestFolder {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    // Nothing to lose: the new file is written beside the old and renamed
    // over it, so the old one is never half written.
    void plainFileIsReplacedWhole()
    {
        QVERIFY(writeAll(path("plain.ai"), kOld));
        const ino_t before = statOf(path("plain.ai")).st_ino;
        QVERIFY(saveTo(path("plain.ai"), kNew).saved());
        QCOMPARE(readAll(path("plain.ai")), kNew);
        QVERIFY(statOf(path("plain.ai")).st_ino != before);
        QCOMPARE(QDir(dir.path()).entryList({"plain.ai*"}, QDir::Files), QStringList{"plain.ai"});
    }

    void hardLinkKeepsItsOtherName()
    {
        QVERIFY(writeAll(path("one.ai"), kOld));
        QCOMPARE(::link(qPrintable(path("one.ai")), qPrintable(path("two.ai"))), 0);
        QVERIFY(saveTo(path("one.ai"), kNew).saved());
        QCOMPARE(readAll(path("one.ai")), kNew);
        QCOMPARE(readAll(path("two.ai")), kNew);
        QCOMPARE(statOf(path("one.ai")).st_ino, statOf(path("two.ai")).st_ino);
    }

    void symbolicLinkStaysALink()
    {
        QVERIFY(writeAll(path("target.ai"), kOld));
        QVERIFY(QFile::link(path("target.ai"), path("link.ai")));
        QVERIFY(saveTo(path("link.ai"), kNew).saved());
        QVERIFY(S_ISLNK(statOf(path("link.ai")).st_mode));
        QCOMPARE(readAll(path("target.ai")), kNew);
    }

    void ownerGroupAndModeKept_data()
    {
        QTest::addColumn<int>("uid"); // -1: the saver's own
        QTest::addColumn<int>("gid");
        QTest::addColumn<int>("mode");
        QTest::newRow("another user's private file") << 12345 << 23456 << 0600;
        QTest::newRow("another group's shared file") << -1 << 23456 << 0664;
        QTest::newRow("set-id bits") << -1 << -1 << 06755;
        QTest::newRow("another user's set-id file") << 12345 << 23456 << 06750;
        QTest::newRow("read-only file") << -1 << -1 << 0444;
    }
    void ownerGroupAndModeKept()
    {
        QFETCH(int, uid);
        QFETCH(int, gid);
        QFETCH(int, mode);
        if ((uid >= 0 || gid >= 0) && geteuid() != 0)
            QSKIP("giving a file to another user takes root");
        const QString file = path(QStringLiteral("owned%1.ai").arg(QTest::currentDataTag()).remove(' '));
        QVERIFY(writeAll(file, kOld));
        const QByteArray name = QFile::encodeName(file);
        QCOMPARE(::chown(name.constData(), uid_t(uid), gid_t(gid)), 0);
        QCOMPARE(::chmod(name.constData(), mode_t(mode)), 0);
        const struct stat before = statOf(file);
        QVERIFY(saveTo(file, kNew).saved());
        const struct stat after = statOf(file);
        QCOMPARE(readAll(file), kNew);
        QCOMPARE(after.st_uid, before.st_uid);
        QCOMPARE(after.st_gid, before.st_gid);
        QCOMPARE(after.st_mode & 07777, before.st_mode & 07777);
    }

    // What a new file would not have: an access list that lets one more
    // user in (the group bits are its mask), a user's attribute, or a
    // folder whose default list a new file would take. Access never widens.
    void attributesKept_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("access control list") << "acl.ai";
        QTest::newRow("user attribute") << "attr.ai";
        QTest::newRow("folder's default access list") << "default/plan.ai";
    }
    void attributesKept()
    {
        QFETCH(QString, name);
        QDir(dir.path()).mkdir("default");
        const QString file = path(name);
        QVERIFY(writeAll(file, kOld));
        QCOMPARE(::chmod(qPrintable(file), 0600), 0);
        bool supported = true;
        if (name == "acl.ai")
            supported = run("setfacl", {"-m", "u:12345:r", file});
        else if (name == "attr.ai")
            supported = ::setxattr(qPrintable(file), "user.vexdit", "kept", 4, 0) == 0;
        else
            supported = run("setfacl", {"-d", "-m", "u:12345:rw", path("default")});
        if (!supported)
            QSKIP("this file system keeps no such attributes");
        const QString before = accessOf(file);
        const mode_t mode = statOf(file).st_mode;
        QVERIFY(saveTo(file, kNew).saved());
        QCOMPARE(readAll(file), kNew);
        QCOMPARE(accessOf(file), before);
        QCOMPARE(statOf(file).st_mode, mode);
    }

    // An append-only folder takes a new file but neither renames nor
    // removes it: the file is rewritten in place and nothing is left over.
    void folderThatRefusesRenames()
    {
        if (geteuid() != 0)
            QSKIP("marking a folder append-only takes root");
        QVERIFY(QDir(dir.path()).mkdir("appendonly"));
        const QString file = path("appendonly/plan.ai");
        QVERIFY(writeAll(file, kOld));
        if (QProcess::execute("chattr", {"+a", path("appendonly")}) != 0)
            QSKIP("this file system has no append-only folders");
        const bool saved = saveTo(file, kNew).saved();
        const QStringList left = QDir(path("appendonly")).entryList(QDir::Files);
        QCOMPARE(QProcess::execute("chattr", {"-a", path("appendonly")}), 0);
        QVERIFY(saved);
        QCOMPARE(readAll(file), kNew);
        QCOMPARE(left, QStringList{"plan.ai"});
    }

    void nothingToWriteToFails()
    {
        QVERIFY(!saveTo(QString(), kNew).saved());
        QVERIFY(!saveTo(dir.path(), kNew).saved());
        QVERIFY(!saveTo(path("missing/plan.ai"), kNew).saved());
    }
};

QTEST_GUILESS_MAIN(TestSaveKeeps)
#include "tst_savekeeps.moc"
