// The command line as a user runs it: the real program, with no display.
#include "buildlist/lineformat.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include "support/filetools.h"
#include "support/nowarnings.h"

#include <sys/stat.h>

namespace {

const QByteArray kTown = QByteArray(kStartingLine) + "\r\n";
const QByteArray kArcherFirst = kTown + "U4        Archer               1      87        \r\n"
                                        "B87       Archery              1      -1        \r\n";

struct Run {
    int code = -1;
    QString out, err;
};

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

    Run vexdit(const QStringList& arguments) const
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // No window system at all: the command line must not need one.
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(dir.path());
        program.start(QStringLiteral(VEXDIT_PROGRAM), arguments);
        Run run;
        if (!program.waitForFinished(30000))
            return run;
        run.code = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
        run.out = QString::fromLocal8Bit(program.readAllStandardOutput());
        run.err = QString::fromLocal8Bit(program.readAllStandardError());
        return run;
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void check_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::newRow("sound") << kTown << 0 << "";
        QTest::newRow("out of order") << kArcherFirst << 1
                                      << "list.ai:2: Archer needs Archery, which comes later, at line 3: move it up\n"
                                         "list.ai:3: Archery needs Age Tool, which is nowhere in the list\n";
        QTest::newRow("a tab") << QByteArray("B109\tTownCenter\r\n") << 2 << "";
        QTest::newRow("a NUL byte") << QByteArray("B109\0x\r\n", 8) << 2 << "";
    }
    void check()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, code);
        QFETCH(QString, out);
        QVERIFY(writeAll(path("list.ai"), bytes));
        const Run run = vexdit({"--check", "list.ai"});
        QCOMPARE(run.code, code);
        QCOMPARE(run.out, out);
        QCOMPARE(run.err.isEmpty(), code != 2);
        QCOMPARE(readAll(path("list.ai")), bytes); // a check never writes
    }

    void normalizeRewritesOnlyWhatChanges()
    {
        QVERIFY(writeAll(path("hand.ai"), "B109 x\nU4 Archer"));
        QVERIFY(writeAll(path("clean.ai"), kTown));
        QCOMPARE(::chmod(qPrintable(path("hand.ai")), 0640), 0);
        const QFile::Permissions permissions = QFileInfo(path("hand.ai")).permissions();
        const QDateTime cleanTime = QFileInfo(path("clean.ai")).lastModified();
        const Run run = vexdit({"--normalize", "hand.ai", "clean.ai"});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, QStringLiteral("hand.ai: normalized\nclean.ai: unchanged\n"));
        // As Open shows it: CR LF, 48 columns, the name from the number; no
        // final break, as the file had none.
        const QByteArray written = readAll(path("hand.ai"));
        const QList<QByteArray> lines = written.split('\n');
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0).size(), 49);
        QVERIFY(lines.at(0).endsWith('\r'));
        QCOMPARE(lines.at(0).mid(kNameColumn, 10), QByteArray("TownCenter"));
        QCOMPARE(lines.at(1).size(), 48);
        QCOMPARE(QFileInfo(path("hand.ai")).permissions(), permissions);
        QCOMPARE(readAll(path("clean.ai")), kTown);
        QCOMPARE(QFileInfo(path("clean.ai")).lastModified(), cleanTime);
        // Done once, it is done.
        QCOMPARE(vexdit({"--normalize", "hand.ai"}).out, QStringLiteral("hand.ai: unchanged\n"));
    }

    void normalizeRefusesATabAndLeavesItAlone()
    {
        const QByteArray tabbed = "B109\tTownCenter\r\n";
        QVERIFY(writeAll(path("tab.ai"), tabbed));
        const Run run = vexdit({"--normalize", "tab.ai", "missing.ai"});
        QCOMPARE(run.code, 2);
        QVERIFY(run.err.contains(QStringLiteral("tab.ai: ")));
        QVERIFY(run.err.contains(QStringLiteral("missing.ai: ")));
        QCOMPARE(readAll(path("tab.ai")), tabbed);
    }

    void optionsAsPeopleExpect_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("outStart");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: ";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "vexdit 1.";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << "";
        QTest::newRow("check without a file") << QStringList{"--check"} << 2 << "";
        QTest::newRow("two files for the window") << QStringList{"a.ai", "b.ai"} << 2 << "";
        QTest::newRow("a window option and two files") << QStringList{"-platform", "offscreen", "a.ai", "b.ai"} << 2 << "";
        QTest::newRow("both at once") << QStringList{"--check", "--normalize", "x.ai"} << 2 << "";
    }
    void optionsAsPeopleExpect()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, outStart);
        const Run run = vexdit(arguments);
        QCOMPARE(run.code, code);
        if (outStart.isEmpty())
            QCOMPARE(run.out, QString());
        else
            QVERIFY2(run.out.startsWith(outStart), qPrintable(run.out));
        QCOMPARE(run.err.isEmpty(), code == 0);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
