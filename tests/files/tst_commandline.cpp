// The command line as a user runs it: the real program, with no display.
#include "buildlist/lineformat.h"
#include "files/commandline.h"

#include "support/filetools.h"
#include "support/nowarnings.h"
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kTown = QByteArray(kStartingLine) + "\r\n";
const QByteArray kArcherFirst = kTown
                                + "U4        Archer               1      87        \r\n"
                                  "B87       Archery              1      -1        \r\n";

QByteArray line48(const QByteArray& start)
{
    return start.leftJustified(48, ' ');
}

struct Run {
    int code = -1;
    QString out, err;
};

} // namespace

class TestCommandLine : public QObject, private TestFolder {
    Q_OBJECT
private:
    Run vexdit(const QStringList& arguments) const { return run(QStringLiteral(VEXDIT_PROGRAM), arguments); }

    // The program started by a shell script, as "$0" with its arguments.
    Run vexditFromShell(const QString& script, const QStringList& arguments,
                        const QProcessEnvironment& extra = {}) const
    {
        return run(QStringLiteral("sh"), QStringList{"-c", script, VEXDIT_PROGRAM} + arguments, extra);
    }

    Run run(const QString& command, const QStringList& arguments, const QProcessEnvironment& extra = {}) const
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(extra);
        // No window system at all: the command line must not need one.
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(dir.path());
        program.start(command, arguments);
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

    // The window's FILE with a line to show: +LINE FILE and FILE:LINE, as
    // editors and compilers write them; a file of that exact name wins.
    void fileAndLineForTheWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file"); // empty: refused, exit code 2
        QTest::addColumn<int>("line");
        QTest::newRow("+LINE FILE") << QStringList{"+3", "plan.ai"} << "plan.ai" << 3;
        QTest::newRow("FILE:LINE") << QStringList{"plan.ai:17"} << "plan.ai" << 17;
        QTest::newRow("a file called so") << QStringList{"odd.ai:5"} << "odd.ai:5" << 0;
        QTest::newRow("a file called +7, and another") << QStringList{"+7", "plan.ai"} << "" << 0;
        QTest::newRow("+LINE not a number") << QStringList{"+x", "plan.ai"} << "" << 0;
        QTest::newRow("+0") << QStringList{"+0", "plan.ai"} << "" << 0;
        QTest::newRow(":LINE not a number") << QStringList{"plan.ai:x"} << "plan.ai:x" << 0;
        QTest::newRow(":0") << QStringList{"plan.ai:0"} << "plan.ai:0" << 0;
        QTest::newRow("+LINE alone is a file") << QStringList{"+3"} << "+3" << 0;
    }
    void fileAndLineForTheWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QFETCH(int, line);
        QVERIFY(writeAll(path("odd.ai:5"), kStartingBytes));
        QVERIFY(writeAll(path("+7"), kStartingBytes));
        const QString saved = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const CommandLineOutcome outcome =
            runCommandLine(QStringList{QStringLiteral("vexdit")} + arguments, outStream, errStream, true);
        QDir::setCurrent(saved);
        QCOMPARE(outcome.exitCode.has_value(), file.isEmpty());
        if (file.isEmpty()) {
            QCOMPARE(*outcome.exitCode, 2);
            QVERIFY2(err.startsWith(QCoreApplication::applicationName() + ": "), qPrintable(err));
            return;
        }
        QCOMPARE(outcome.fileToOpen, file);
        QCOMPARE(outcome.lineToShow, line);
    }

    void check_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::newRow("sound") << kTown << 0 << "";
        QTest::newRow("out of order")
            << kArcherFirst << 1
            << "list.ai:2: Archer needs Archery, which comes later, at line 3: move it up\n"
               "list.ai:3: Archery needs Age Tool, which is nowhere in the list\n";
        // A 133-character comment is three lines in the window, one in the file.
        QTest::newRow("after a long comment")
            << kTown + "//" + QByteArray(131, 'c') + "\r\n" + kArcherFirst.mid(kTown.size()) << 1
            << "list.ai:3: Archer needs Archery, which comes later, at line 4: move it up\n"
               "list.ai:4: Archery needs Age Tool, which is nowhere in the list\n";
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

    // A name fixed from its number keeps the line's length, and is still
    // a change; an unreadable file outweighs a file with problems.
    void normalizeAndCheckKeepTheirWord()
    {
        const QByteArray misnamed = line48("B109      Town") + "\r\n";
        QVERIFY(writeAll(path("misnamed.ai"), misnamed));
        QCOMPARE(vexdit({"--normalize", "misnamed.ai"}).out, QStringLiteral("misnamed.ai: normalized\n"));
        QCOMPARE(readAll(path("misnamed.ai")).size(), misnamed.size());
        QVERIFY(readAll(path("misnamed.ai")).contains("TownCenter"));
        QVERIFY(writeAll(path("order.ai"), kArcherFirst));
        QCOMPARE(vexdit({"--check", "missing.ai", "order.ai"}).code, 2);
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

    // A save that cannot finish leaves the file as it was and nothing
    // beside it, says why and exits 2: a file-size limit and a failing
    // flush on both roads (a second name makes the save rewrite in place),
    // a result larger than Open reads, a copy left by an unfinished save.
    void normalizeThatCannotFinish_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("secondName");
        QTest::addColumn<QString>("why");
        const QByteArray shortLines = QByteArray("//x\n").repeated(100); // 400 bytes, then 5,000
        QTest::newRow("size limit, new file") << shortLines << "limit" << false << "size limit";
        QTest::newRow("size limit, in place") << shortLines << "limit" << true << "size limit";
        QTest::newRow("failing flush, new file") << shortLines << "sync" << false << "input/output";
        QTest::newRow("failing flush, in place") << shortLines << "sync" << true << "input/output";
        // No folder takes a flushed copy of the old bytes: in place is skipped.
        QTest::newRow("failing folder flush, in place") << shortLines << "folders" << true << "copy";
        QTest::newRow("84,000 LF lines")
            << (QByteArray(kStartingLine) + '\n').repeated(84000) << "" << false << "larger than 4 MiB";
        QTest::newRow("left by an unfinished save") << shortLines << "leftover" << false << ".vexdit-backup";
    }
    void normalizeThatCannotFinish()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fault);
        QFETCH(bool, secondName);
        QFETCH(QString, why);
        QTemporaryDir folder;
        const QString file = folder.filePath("hand.ai");
        QVERIFY(writeAll(file, bytes));
        if (secondName)
            QCOMPARE(::link(qPrintable(file), qPrintable(folder.filePath("other.ai"))), 0);
        if (fault == "leftover")
            QVERIFY(writeAll(backupBeside(file), "older\n"));
        const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System;
        const QStringList before = QDir(folder.path()).entryList(all);

        QProcessEnvironment env;
        if (fault == "sync" || fault == "folders") {
            env.insert("LD_PRELOAD", VEXDIT_FAILING_SYNC);
            if (fault == "folders")
                env.insert("VEXDIT_FAIL_SYNC", "folders");
            env.insert("ASAN_OPTIONS", qEnvironmentVariable("ASAN_OPTIONS") + ":verify_asan_link_order=0");
        }
        const Run run =
            vexditFromShell(fault == "limit" ? "ulimit -f 8; exec \"$0\" \"$@\"" : "exec \"$0\" \"$@\"",
                            {"--normalize", file}, env);
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains(why), qPrintable(run.err));
        QCOMPARE(run.out, QString());
        QCOMPARE(readAll(file), bytes);
        QCOMPARE(QDir(folder.path()).entryList(all), before);
    }

    // A name in another encoding than the system's is refused, never
    // taken for the file whose name reads the same as text.
    // The new name is in place but its folder cannot be flushed: the file
    // holds the new bytes, and the warning says the name may not survive a
    // power cut.
    void normalizeWarnsOfAnUnflushedFolder()
    {
        QVERIFY(writeAll(path("flush.ai"), "B109 x\n"));
        QProcessEnvironment env;
        env.insert("LD_PRELOAD", VEXDIT_FAILING_SYNC);
        env.insert("VEXDIT_FAIL_SYNC", "folders");
        env.insert("ASAN_OPTIONS", qEnvironmentVariable("ASAN_OPTIONS") + ":verify_asan_link_order=0");
        const Run run = vexditFromShell("exec \"$0\" \"$@\"", {"--normalize", "flush.ai"}, env);
        QCOMPARE(run.code, 2);
        QCOMPARE(run.out, QStringLiteral("flush.ai: normalized\n"));
        QVERIFY2(run.err.startsWith("vexdit: flush.ai: written, but its folder could not be flushed"),
                 qPrintable(run.err));
        QCOMPARE(readAll(path("flush.ai")).size(), 50);
    }

    // A set-group-ID file of a group the saver belongs to: the owner in
    // that group keeps the bit; anyone else cannot, and the file is left
    // as it was rather than lose it without a word.
    void setGroupIdBitKeptOrRefused_data()
    {
        QTest::addColumn<int>("owner");
        QTest::addColumn<QString>("groups"); // of the saver, uid 12345
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("groupFolder"); // a set-group-ID folder gives new files its group
        QTest::newRow("a member of its group") << 0 << "23456" << false << false;
        QTest::newRow("its owner, not in its group") << 12345 << "12345" << false << false;
        QTest::newRow("its owner, not in its group, in its group's folder")
            << 12345 << "12345" << false << true;
        QTest::newRow("its owner, in its group") << 12345 << "23456" << true << false;
    }
    void setGroupIdBitKeptOrRefused()
    {
        QFETCH(int, owner);
        QFETCH(QString, groups);
        QFETCH(bool, written);
        QFETCH(bool, groupFolder);
        if (geteuid() != 0)
            QSKIP("saving as another user takes root");
        QTemporaryDir folder;
        QCOMPARE(::chown(qPrintable(folder.path()), 0, groupFolder ? 23456 : 0), 0);
        QCOMPARE(::chmod(qPrintable(folder.path()), groupFolder ? 02777 : 0777), 0);
        const QString file = folder.filePath("setgid.ai");
        const QByteArray before = "B109 x\n";
        QVERIFY(writeAll(file, before));
        QCOMPARE(::chown(qPrintable(file), uid_t(owner), 23456), 0);
        QCOMPARE(::chmod(qPrintable(file), 02775), 0);
        QVERIFY(QFile::copy(VEXDIT_PROGRAM, folder.filePath("program")));
        QProcessEnvironment env;
        env.insert("XDG_STATE_HOME", folder.filePath("state"));
        const Run saved = run(QStringLiteral("setpriv"),
                              {"--reuid=12345", "--regid=12345", "--groups=" + groups,
                               folder.filePath("program"), "--normalize", file},
                              env);
        struct stat after {};
        QCOMPARE(::stat(qPrintable(file), &after), 0);
        QCOMPARE(after.st_mode & 07777, mode_t(02775));
        QCOMPARE(after.st_gid, gid_t(23456));
        QCOMPARE(saved.code, written ? 0 : 2);
        if (written) {
            QCOMPARE(readAll(file).size(), 50);
            return;
        }
        QVERIFY2(saved.err.contains("set-group-ID"), qPrintable(saved.err));
        QCOMPARE(readAll(file), before);
    }

    // Root keeps another user's set-id bits on a rewrite in place (a file
    // with a second name is rewritten in place): it is written, bits kept.
    void rootKeepsTheSetIdBitsOfAFileWithTwoNames()
    {
        if (geteuid() != 0)
            QSKIP("keeping another user's set-id bits takes root");
        const QString file = path("setuid.ai");
        QVERIFY(writeAll(file, "B109 x\n"));
        QCOMPARE(::link(qPrintable(file), qPrintable(path("second.ai"))), 0);
        QCOMPARE(::chown(qPrintable(file), 12345, 23456), 0);
        QCOMPARE(::chmod(qPrintable(file), 06755), 0);
        const Run saved = vexdit({"--normalize", file});
        QCOMPARE(saved.code, 0);
        struct stat after {};
        QCOMPARE(::stat(qPrintable(file), &after), 0);
        QCOMPARE(after.st_mode & 07777, mode_t(06755));
        QCOMPARE(after.st_nlink, nlink_t(2));
        QCOMPARE(readAll(path("second.ai")).size(), 50);
    }

    void nameNotInTheSystemsEncoding()
    {
        const QByteArray latin1 = QFile::encodeName(dir.path()) + "/caf\xe9.ai";
        const QByteArray lookalike = QFile::encodeName(dir.path()) + "/caf\xef\xbf\xbd.ai";
        // Qt cannot name the first to remove it with the folder.
        const auto removeLatin1 = qScopeGuard([&] { ::unlink(latin1.constData()); });
        for (const QByteArray& name : {latin1, lookalike}) {
            const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            QVERIFY(fd >= 0 && ::write(fd, "B109 x\n", 7) == 7 && ::close(fd) == 0);
        }
        const Run run = vexditFromShell("exec \"$0\" --normalize \"$(printf 'caf\\351.ai')\"", {});
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains("character encoding"), qPrintable(run.err));
        for (const QByteArray& name : {latin1, lookalike}) {
            char bytes[16] = {};
            const int fd = ::open(name.constData(), O_RDONLY);
            QVERIFY(fd >= 0);
            QCOMPARE(::read(fd, bytes, sizeof bytes), ssize_t(7));
            ::close(fd);
        }
    }

    // Messages in the form of the GNU tools, "vexdit: FILE: reason" with the
    // system's words, and their exit codes; each row a shell line.
    void messagesAsTheGnuToolsGiveThem_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("outHas"); // empty: no output at all
        QTest::addColumn<QString>("err");
        const QString tryHelp = "Try 'vexdit --help' for more information.\n";
        // Root enters every folder; the user a program runs as does not. A
        // copy of the program in the test's folder runs as nobody wherever
        // the build lives.
        const QString asUser =
            geteuid() == 0 ? "cp \"$0\" program && setpriv --reuid=65534 --regid=65534 --clear-groups "
                             "./program"
                           : "\"$0\"";
        QTest::newRow("missing") << "\"$0\" --check missing.ai" << 2 << ""
                                 << "vexdit: missing.ai: No such file or directory\n";
        QTest::newRow("unreadable") << asUser + " --check secret.ai" << 2 << ""
                                    << "vexdit: secret.ai: Permission denied\n";
        QTest::newRow("a folder that cannot be entered") << asUser + " --check locked/plan.ai" << 2 << ""
                                                         << "vexdit: locked/plan.ai: Permission denied\n";
        QTest::newRow("standard input") << "printf 'B109 x\\r\\nU4        Archer               1      87  "
                                           "      \\r\\n' | \"$0\" --check -"
                                        << 1 << "-:2: Archer needs"
                                        << "";
        QTest::newRow("a full standard output") << "\"$0\" --version > /dev/full" << 2 << ""
                                                << "vexdit: write error: No space left on device\n";
        QTest::newRow("--help-all") << "\"$0\" --help-all" << 0 << "-platform <name>"
                                    << "";
        QTest::newRow("a window option with --check") << "\"$0\" --check plan.ai -reverse" << 2 << ""
                                                      << "vexdit: Unknown option 'reverse'.\n" + tryHelp;
        QTest::newRow("no display")
            << "\"$0\" plan.ai" << 2 << ""
            << "vexdit: cannot open a window: no display; --check and --normalize need "
               "none\n";
        QTest::newRow("standard input over 4 MiB")
            << "head -c 4194305 /dev/zero | tr '\\0' / | \"$0\" --check -" << 2 << ""
            << "vexdit: -: larger than 4 MiB\n";
        QTest::newRow("standard input of exactly 4 MiB")
            << "head -c 4194304 /dev/zero | tr '\\0' / | \"$0\" --check -" << 0 << ""
            << "";
        QTest::newRow("--normalize of standard input")
            << "\"$0\" --normalize - < /dev/null" << 2 << ""
            << "vexdit: -: standard input has no file to rewrite\n";
        QTest::newRow("the window's standard input, refused")
            << "mkdir -m 700 -p rt && printf 'B109 x\\0' | XDG_RUNTIME_DIR=\"$PWD/rt\" "
               "QT_QPA_PLATFORM=offscreen \"$0\" -"
            << 2 << ""
            << "vexdit: -: holds a NUL byte\n";
        QTest::newRow("usage") << "\"$0\" --bogus" << 2 << ""
                               << "vexdit: Unknown option 'bogus'.\n" + tryHelp;
        // In the user's language: the program's words and Qt's, or English
        // for a language the program has no translation for.
        const QString tryHelpDe = "»vexdit --help« gibt weitere Informationen.\n";
        QTest::newRow("usage, German") << "LANGUAGE=de \"$0\" --bogus" << 2 << ""
                                       << "vexdit: Unbekannte Option 'bogus'.\n" + tryHelpDe;
        QTest::newRow("a line number, German after French")
            << "LANGUAGE=fr:de \"$0\" +x plan.ai" << 2 << ""
            << "vexdit: ungültige Zeilennummer »+x«\n" + tryHelpDe;
        QTest::newRow("usage, French") << "LANGUAGE=fr \"$0\" --bogus" << 2 << ""
                                       << "vexdit: Unknown option 'bogus'.\n" + tryHelp;
        QTest::newRow("no display, German")
            << "LANGUAGE=de \"$0\" plan.ai" << 2 << ""
            << "vexdit: kann kein Fenster öffnen: keine Anzeige; --check und --normalize brauchen keine\n";
        QTest::newRow("help, German")
            << "LANGUAGE=de \"$0\" --help" << 0 << "Optionen:\n  --check        Prüft die Reihenfolge"
            << "";
        QTest::newRow("a problem, German") << "printf 'B109 x\\r\\nU4        Archer               1      87  "
                                              "      \\r\\n' | LANGUAGE=de \"$0\" --check -"
                                           << 1 << "-:2: Archer braucht"
                                           << "";
    }
    void messagesAsTheGnuToolsGiveThem()
    {
        QFETCH(QString, script);
        QFETCH(int, code);
        QFETCH(QString, outHas);
        QFETCH(QString, err);
        // A folder others may enter, with a file only its owner reads and a
        // folder only its owner enters.
        QCOMPARE(::chmod(qPrintable(dir.path()), 0755), 0);
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("locked")));
        QVERIFY(writeAll(path("locked/plan.ai"), kTown));
        QVERIFY(writeAll(path("secret.ai"), kTown));
        QCOMPARE(::chmod(qPrintable(path("locked")), 0700), 0);
        QCOMPARE(::chmod(qPrintable(path("secret.ai")), 0600), 0);
        const Run run = vexditFromShell(script, {});
        QCOMPARE(run.code, code);
        QVERIFY2(outHas.isEmpty() ? run.out.isEmpty() : run.out.contains(outHas), qPrintable(run.out));
        QCOMPARE(run.err, err);
    }

    void optionsAsPeopleExpect_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("outStart");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: ";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "vexdit 1.";
        QTest::newRow("check without a file") << QStringList{"--check"} << 2 << "";
        QTest::newRow("two files for the window") << QStringList{"a.ai", "b.ai"} << 2 << "";
        QTest::newRow("a window option and two files")
            << QStringList{"-platform", "offscreen", "a.ai", "b.ai"} << 2 << "";
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
