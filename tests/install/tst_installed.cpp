// The program as installed: `cmake --install` into a folder of the test's
// own, checked there with the desktop's validators and run from there; and
// the Debian package's contents.
#include "files/window/filemessages.h"
#include "realwindow/realprogram.h"

#include "support/nowarnings.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kAppId = QStringLiteral("io.github.vexdit.Vexdit");

struct Ran {
    int code = -1;
    QString out;
};

Ran run(const QString& program, const QStringList& arguments, const QString& folder = QString())
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(program, arguments);
    Ran ran;
    if (process.waitForFinished(600000) && process.exitStatus() == QProcess::NormalExit)
        ran.code = process.exitCode();
    ran.out = QString::fromLocal8Bit(process.readAll());
    return ran;
}

} // namespace

class TestInstalled : public QObject {
    Q_OBJECT
private:
    QTemporaryDir destdir;
    QString installed(const QString& path) const { return destdir.filePath(QStringLiteral("usr/") + path); }
    QString shared(const QString& name) const { return QDir::cleanPath(installed("share/vexdit/" + name)); }

    // The installed program, telling where it finds its files, started on a
    // file with these bytes in its own working folder. Returns the file.
    QString startInstalled(RealProgram& program, const QByteArray& bytes) const
    {
        program.setProgram(installed(QStringLiteral("bin/vexdit")));
        program.setEnvironmentValue(QStringLiteral("QT_LOGGING_RULES"),
                                    QStringLiteral("vexdit.files.debug=true"));
        const QString file = program.path(QStringLiteral("plan.ai"));
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            return QString();
        out.close();
        // A stray help document in the working folder must not stand in for
        // the installed one.
        QFile stray(program.path(QStringLiteral("Vexdit.html")));
        if (!stray.open(QIODevice::WriteOnly) || stray.write("<p>stray</p>") < 0)
            return QString();
        stray.close();
        program.setArguments({file});
        if (!program.start())
            qWarning("the installed program did not start: %s", qPrintable(program.error()));
        return file;
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void initTestCase()
    {
        QVERIFY(destdir.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), destdir.path());
        QProcess install;
        install.setProcessEnvironment(env);
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral("cmake"), {"--install", VEXDIT_BUILD_DIR, "--prefix", "/usr"});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
    }

    void filesInTheirPlaces_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("program") << "bin/vexdit";
        QTest::newRow("sound") << "share/vexdit/Kick8.wav";
        QTest::newRow("help") << "share/vexdit/Vexdit.html";
        QTest::newRow("desktop entry") << "share/applications/" + kAppId + ".desktop";
        QTest::newRow("metadata") << "share/metainfo/" + kAppId + ".metainfo.xml";
        QTest::newRow("manual page") << "share/man/man1/vexdit.1.gz";
        QTest::newRow("German") << "share/vexdit/translations/vexdit_de.qm";
        QTest::newRow("copyright") << "share/doc/vexdit/copyright";
        QTest::newRow("changelog") << "share/doc/vexdit/changelog.gz";
        for (int size : {16, 32, 48, 256})
            QTest::addRow("icon %d", size)
                << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId);
    }
    void filesInTheirPlaces()
    {
        QFETCH(QString, path);
        QVERIFY2(QFile::exists(installed(path)), qPrintable(path));
    }

    void validatorsPass()
    {
        const Ran desktop = run(QStringLiteral("desktop-file-validate"),
                                {installed("share/applications/" + kAppId + ".desktop")});
        QVERIFY2(desktop.code == 0 && desktop.out.isEmpty(), qPrintable(desktop.out));
        const Ran appstream =
            run(QStringLiteral("appstreamcli"),
                {"validate", "--no-net", installed("share/metainfo/" + kAppId + ".metainfo.xml")});
        QVERIFY2(appstream.code == 0, qPrintable(appstream.out));
    }

    // The manual page renders without a warning, and names exactly the
    // options --help names.
    void manualPageFollowsTheHelp()
    {
        const QString page = installed(QStringLiteral("share/man/man1/vexdit.1.gz"));
        const Ran man = run(QStringLiteral("sh"), {"-c", "MANWIDTH=80 man --warnings -l \"$0\" 2>&1", page});
        QCOMPARE(man.code, 0);
        for (const char* section : {"NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "EXIT STATUS",
                                    "ENVIRONMENT", "FILES", "EXAMPLES", "SEE ALSO"})
            QVERIFY2(man.out.contains(QLatin1String("\n") + QLatin1String(section) + QLatin1Char('\n')),
                     section);
        QVERIFY2(!man.out.contains(QLatin1String("warning")), qPrintable(man.out));
        const Ran help = run(installed("bin/vexdit"), {"--help"});
        const QRegularExpression option(QStringLiteral("(?:^|[ ,])(--?[a-z?][a-z-]*)"));
        auto optionsIn = [&](const QString& text, const QString& from, const QString& to) {
            QSet<QString> found;
            const QString part = text.section(from, 1).section(to, 0, 0);
            for (const QString& line : part.split(QLatin1Char('\n'))) {
                if (!line.startsWith(QLatin1String("  ")) || !line.trimmed().startsWith(QLatin1Char('-')))
                    continue; // only the lines that name options
                for (auto m = option.globalMatch(line.trimmed().section(QStringLiteral("  "), 0, 0));
                     m.hasNext();)
                    found << m.next().captured(1);
            }
            return found;
        };
        QCOMPARE(optionsIn(man.out, QStringLiteral("\nOPTIONS\n"), QStringLiteral("\nEXIT STATUS\n")),
                 optionsIn(help.out, QStringLiteral("Options:\n"), QStringLiteral("Arguments:\n")));
    }

    void installedProgramSaysItsVersion()
    {
        const Ran version = run(installed("bin/vexdit"), {"--version"});
        QCOMPARE(version.code, 0);
        QCOMPARE(version.out, QStringLiteral("vexdit " VEXDIT_VERSION
                                             "\nCopyright (c) the Vexdit developers. MIT licence.\n"));
        // In German from its installed translation, Qt's words too.
        const Ran german =
            run(QStringLiteral("sh"), {"-c", "LANGUAGE=de \"$0\" --help", installed("bin/vexdit")});
        QVERIFY2(german.code == 0 && german.out.startsWith(QLatin1String("Aufruf: "))
                     && german.out.contains(QLatin1String("Bearbeitet die Baulisten")),
                 qPrintable(german.out));
    }

    // Started from the installed tree with a file, far from the build: it
    // shows the file and opens its help document from share/vexdit.
    void installedProgramOpensTheFileAndItsHelp()
    {
        RealProgram program;
        const QByteArray written = "B109      TownCenter           1      -1\n";
        const QString plan = startInstalled(program, written);
        program.key(QStringLiteral("ctrl+s"));
        QVERIFY(program.waitForFileChange(plan, written));
        QFile saved(plan);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("B109      TownCenter           1      -1        \r\n"));

        program.key(QStringLiteral("alt+h"));
        program.key(QStringLiteral("Return")); // Help, Help
        QVERIFY(program.waitForWindow(QStringLiteral("Help")));
        QVERIFY2(program.programFilesLines().contains("Vexdit.html: " + shared("Vexdit.html")),
                 qPrintable(program.programFilesLines().join('\n')));
        const QStringList unexpected = program.unexpectedErrorLines();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join('\n')));
    }

    // A file with a tab is refused with the sound, played by the installed
    // player module from the installed sound file.
    void installedProgramPlaysItsSound()
    {
        RealProgram program;
        startInstalled(program, "U83\tVillager\r\n");
        QVERIFY(program.showsWithin(FileMessages::kTabsTitle, 5000));
        const QString module =
            QDir::cleanPath(installed(QStringLiteral(VEXDIT_MODULE_DIR "/vexdit_sound.so")));
        QTRY_VERIFY2(program.programFilesLines().contains("sound player: " + module),
                     qPrintable(program.programFilesLines().join('\n')));
        QVERIFY(program.programFilesLines().contains("Kick8.wav: " + shared("Kick8.wav")));
        const QStringList unexpected = program.unexpectedErrorLines();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join('\n')));
    }

    // The package: what it holds, and what it needs.
    void debianPackage()
    {
        QTemporaryDir out;
        const Ran cpack = run(
            QStringLiteral("cpack"),
            {"-G", "DEB", "--config", VEXDIT_BUILD_DIR "/CPackConfig.cmake", "-B", out.path()}, out.path());
        QVERIFY2(cpack.code == 0, qPrintable(cpack.out));
        const QStringList packages = QDir(out.path()).entryList({"vexdit_*.deb"});
        QCOMPARE(packages.size(), 1);
        const QString deb = out.filePath(packages.first());
        const Ran contents = run(QStringLiteral("dpkg-deb"), {"-c", deb});
        QCOMPARE(contents.code, 0);
        for (const QString& path :
             QStringList{"./usr/bin/vexdit", "/vexdit/vexdit_sound.so", "./usr/share/vexdit/Kick8.wav",
                         "./usr/share/vexdit/Vexdit.html", "./usr/share/applications/" + kAppId + ".desktop",
                         "./usr/share/icons/hicolor/48x48/apps/" + kAppId + ".png",
                         "./usr/share/metainfo/" + kAppId + ".metainfo.xml",
                         "./usr/share/vexdit/translations/vexdit_de.qm"})
            QVERIFY2(contents.out.contains(path), qPrintable(path));
        const Ran depends = run(QStringLiteral("dpkg-deb"), {"-f", deb, "Depends"});
        QCOMPARE(depends.code, 0);
        for (const char* needed : {"fonts-liberation", "libqt6widgets6", "libqt6multimedia6", "libc6"})
            QVERIFY2(depends.out.contains(QLatin1String(needed)), qPrintable(depends.out));
        // Debian's own checker finds nothing but the documented override.
        const Ran lintian = run(QStringLiteral("lintian"), {"--pedantic", deb});
        QCOMPARE(lintian.code, 0);
        const QStringList tags =
            lintian.out.split(QLatin1Char('\n')).filter(QRegularExpression("^[EWIPX]: "));
        QVERIFY2(tags.isEmpty(), qPrintable(tags.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestInstalled)
#include "tst_installed.moc"
