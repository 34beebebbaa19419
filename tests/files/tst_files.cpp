#include "app/mainwindow.h"
#include "buildlist/buildlist.h"
#include "buildlist/lineformat.h"
#include "buildlist/window/itempicker.h"
#include "editing/window/modeswitch.h"
#include "editing/window/textpart.h"
#include "files/diskfile.h"
#include "files/filebytes.h"
#include "files/recentfiles.h"
#include "files/savesteps.h"
#include "files/widthfixup.h"
#include "files/window/filecommands.h"
#include "model/errors.h"
#include "support/controls.h"
#include "support/filetools.h"
#include "support/formfixture.h"
#include "widgets/application.h"
#include "widgets/buildlisttextedit.h"
#include "widgets/buildlistview.h"
#include "widgets/completingcombobox.h"
#include "widgets/textbox.h"

#include "files/window/filemessages.h"
#include "support/nowarnings.h"
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <sys/stat.h>

namespace {

const QString kVillager3 = QStringLiteral("U83       Villager             3      109       ");
const QString kTown = QString::fromLatin1(kStartingLine);

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Opens the file through the menu with the dialog answered.
void open(FormFixture& f, const QString& path)
{
    f.dialogs.expectOpen(path);
    choose(ui(f.form).openAction);
}

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // The file commands on their own: what Open tells the window, in what
    // order, for a file, a folder and a name that holds no file yet (the
    // caret after the two comment lines, on the first item's name); and
    // that Save writes the build list back.
    void fileCommandsAlone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a file") << "alone.ai" << QStringList{"reading", "shown", "read", "ended", "edit 110"}
                                << "alone.ai";
        QTest::newRow("a folder") << "folder" << QStringList{"reading", "ended"} << "";
        QTest::newRow("no file yet") << "new.ai" << QStringList{"shown", "new list", "shown"} << "new.ai";
    }
    void fileCommandsAlone()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, told);
        QFETCH(QString, shown);
        writeBytes(path("alone.ai"), "// a\r\n// b\r\nU83       Villager             3      109       \r\n");
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("folder")));
        PartFixture p;
        BuildList& document = p.document;
        FileCommands files(p.app, document, p.catalog, &p.window);
        QStringList heard;
        QString lastShown = QStringLiteral("<none>");
        connect(&files, &FileCommands::readingStarted, this, [&] { heard << "reading"; });
        connect(&files, &FileCommands::readingEnded, this, [&] { heard << "ended"; });
        connect(&files, &FileCommands::fileRead, this, [&] { heard << "read"; });
        connect(&files, &FileCommands::newListStarted, this, [&] { heard << "new list"; });
        connect(&files, &FileCommands::readyToEdit, this,
                [&](int caret) { heard << QStringLiteral("edit %1").arg(caret); });
        connect(&files, &FileCommands::fileShown, this, [&](const QString& p) {
            heard << "shown";
            lastShown = p;
        });
        if (name == "folder")
            p.dialogs.expectMessage();
        files.openNamedFile(path(qPrintable(name)));
        QCOMPARE(heard, told);
        QCOMPARE(files.fileName(), shown.isEmpty() ? QString() : path(qPrintable(shown)));
        if (shown.isEmpty())
            return;
        QCOMPARE(lastShown, path(qPrintable(shown)));
        document.insertLines(LineStep::Kind::Append, document.lineCount(), {line48("// c")});
        QVERIFY(document.isModified());
        files.save();
        QVERIFY(!document.isModified());
        QCOMPARE(readBytes(path(qPrintable(shown))), document.text().toLatin1());
        VERIFY_DIALOGS(p);
    }

    void widthFixUp_data()
    {
        QTest::addColumn<QStringList>("in");
        QTest::addColumn<QStringList>("out");
        const QString hundred = QStringLiteral("//") + QString(98, QLatin1Char('c'));
        QTest::newRow("short padded")
            << QStringList{QString(30, 'a')} << QStringList{QString(30, 'a') + blanks(18)};
        QTest::newRow("empty line") << QStringList{""} << QStringList{blanks(48)};
        QTest::newRow("48 kept") << QStringList{kTown} << QStringList{kTown};
        QTest::newRow("long item cut") << QStringList{kVillager3 + "xyz"} << QStringList{kVillager3};
        QTest::newRow("100-char comment")
            << QStringList{hundred}
            << QStringList{hundred.left(48), "//" + hundred.mid(48, 46), "//" + hundred.mid(94) + blanks(40)};
        QTest::newRow("49-char comment")
            << QStringList{"/" + QString(48, 'q')} << QStringList{"/" + QString(47, 'q'), "//q" + blanks(45)};
    }
    void widthFixUp()
    {
        QFETCH(QStringList, in);
        QFETCH(QStringList, out);
        QCOMPARE(fixLineWidths(in), out);
    }

    void fileOf48WideLinesRoundTripsByteForByte()
    {
        FormFixture f;
        const QByteArray bytes = (kTown + "\r\n" + kVillager3 + "\r\n").toLatin1();
        writeBytes(path("plain.ai"), bytes);
        open(f, path("plain.ai"));
        QCOMPARE(f.lines(), (QStringList{kTown, kVillager3}));
        QCOMPARE(ui(f.form).textArea->selStart(), 10);
        QCOMPARE(f.form.document().position().line, 0);
        QCOMPARE(f.form.document().position().insertAt, 1);
        QCOMPARE(f.form.panel(MainWindow::Panel::Column), QStringLiteral("10"));
        QCOMPARE(f.form.panel(MainWindow::Panel::File), path("plain.ai"));
        QCOMPARE(ui(f.form).files->fileName(), path("plain.ai"));
        QVERIFY(!f.form.isModified());
        QCOMPARE(ui(f.form).picker->villagerCount(), 3);
        f.dialogs.expectSave(path("copy.ai"));
        choose(ui(f.form).saveAsAction);
        QCOMPARE(readBytes(path("copy.ai")), bytes);
        VERIFY_DIALOGS(f);
    }

    void everyByteSurvives()
    {
        // All bytes but NUL, tab and the line breaks, in 48-character lines.
        QByteArray bytes;
        int b = 1;
        for (int line = 0; line < 8; ++line) {
            bytes += 'x';
            for (int col = 1; col < 48; ++col) {
                while (b == 9 || b == 10 || b == 13 || b == 0)
                    b = (b + 1) % 256;
                bytes += char(b);
                b = (b + 1) % 256;
            }
            bytes += "\r\n";
        }
        writeBytes(path("bytes.ai"), bytes);
        FormFixture f;
        open(f, path("bytes.ai"));
        f.dialogs.expectSave(path("bytes-copy.ai"));
        choose(ui(f.form).saveAsAction);
        QCOMPARE(readBytes(path("bytes-copy.ai")), bytes);
        VERIFY_DIALOGS(f);
    }

    void lineBreaksOfAnyKindGiveTheSameLines_data()
    {
        QTest::addColumn<QByteArray>("separator");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR") << QByteArray("\r");
    }
    void lineBreaksOfAnyKindGiveTheSameLines()
    {
        QFETCH(QByteArray, separator);
        writeBytes(path("breaks.ai"), kTown.toLatin1() + separator + kVillager3.toLatin1() + separator);
        FormFixture f;
        open(f, path("breaks.ai"));
        QCOMPARE(f.text(), kTown + "\r\n" + kVillager3 + "\r\n");
    }

    void fixUpNamesAndCaret()
    {
        const QByteArray bytes = "// first comment\r\n"
                                 "// second\r\n"
                                 "U93 Whatever                   2      0\r\n"
                                 "u83 lower case kind\r\n"
                                 "\r\n"
                                 "U83       Villager             3      109       xyz\n";
        writeBytes(path("mixed.ai"), bytes);
        FormFixture f;
        open(f, path("mixed.ai"));
        const QStringList lines = f.lines();
        QCOMPARE(lines.size(), 6);
        for (const QString& l : lines)
            QCOMPARE(l.size(), 48);
        QCOMPARE(lines[2], QStringLiteral("U93       Acad_Hoplite         2      0         "));
        QCOMPARE(lines[3], QStringLiteral("u83 lower case kind").leftJustified(48));
        QCOMPARE(lines[4], blanks(48));
        QCOMPARE(lines[5], kVillager3);
        QCOMPARE(ui(f.form).textArea->selStart(), 110);
        QCOMPARE(f.form.document().position().line, 2);
        QCOMPARE(f.form.document().position().insertAt, 3);
        QCOMPARE(f.form.panel(MainWindow::Panel::Column), QStringLiteral("10"));
        QVERIFY(!f.form.isModified());
        QCOMPARE(ui(f.form).picker->villagerCount(), 3);
    }

    void onlyCommentsPutTheCaretAtTheEnd()
    {
        writeBytes(path("comments.ai"), "// a\r\n// b\r\n");
        FormFixture f;
        open(f, path("comments.ai"));
        QCOMPARE(ui(f.form).textArea->selStart(), 100);
    }

    void emptyFile()
    {
        writeBytes(path("empty.ai"), "");
        FormFixture f;
        ui(f.form).picker->setVillagerCount(7);
        open(f, path("empty.ai"));
        QCOMPARE(f.text(), QString());
        QCOMPARE(ui(f.form).textArea->selStart(), 0);
        QCOMPARE(f.form.panel(MainWindow::Panel::Column), QStringLiteral("0"));
        QCOMPARE(f.form.document().position().line, 0);
        QCOMPARE(f.form.document().position().insertAt, 1);
        QCOMPARE(ui(f.form).picker->villagerCount(), 0);
    }

    void fileWithoutAFinalBreakKeepsIt()
    {
        writeBytes(path("nofinal.ai"), (kTown + "\r\nB70 x").toLatin1());
        FormFixture f;
        open(f, path("nofinal.ai"));
        QCOMPARE(f.text(), kTown + "\r\n" + QStringLiteral("B70       House").leftJustified(48));
    }

    void openFromLinesModeEndsInNormalMode()
    {
        writeBytes(path("lm.ai"), (kVillager3 + "\r\n").toLatin1());
        FormFixture f;
        ui(f.form).modeButton->click();
        open(f, path("lm.ai"));
        QVERIFY(!ui(f.form).modes->linesMode());
        QCOMPARE(f.form.panel(MainWindow::Panel::Mode), QStringLiteral("Normal"));
        QCOMPARE(ui(f.form).modeButton->text(), QStringLiteral("Edit Lines"));
        QCOMPARE(ui(f.form).appendButton->text(), QStringLiteral("Append"));
        QVERIFY(ui(f.form).textArea->isVisibleTo(&f.form));
        QVERIFY(!ui(f.form).lineList->isVisibleTo(&f.form));
        QCOMPARE(ui(f.form).lineList->count(), 0);
        QCOMPARE(ui(f.form).textArea->width(), 513);
        QCOMPARE(ui(f.form).picker->villagerCount(), 3);
        QCOMPARE(f.lines(), QStringList{kVillager3});
    }

    void tabsAreRefused()
    {
        writeBytes(path("tabs.ai"), "B109 x\r\nU83\tVillager\r\n");
        writeBytes(path("previous.ai"), "B109 x\r\n");
        FormFixture f;
        f.dialogs.expectOpen(path("previous.ai"));
        choose(ui(f.form).openAction);
        // Work not yet saved: the refused Open keeps it in the history and
        // keeps the marker.
        f.form.document().insertLines(LineStep::Kind::Append, 1, {QString::fromLatin1(kStartingLine)});
        const QString work = f.text();
        f.dialogs.expectMessage(MsgResult::Yes); // go on without saving
        f.dialogs.expectOpen(path("tabs.ai"));
        f.dialogs.expectMessage();
        choose(ui(f.form).openAction);
        QVERIFY(f.form.isModified());
        QCOMPARE(ui(f.form).undoAction->text(), QStringLiteral("Undo Open"));
        ui(f.form).undoAction->trigger();
        QCOMPARE(f.text(), work);
        QVERIFY(f.form.isModified());
        ui(f.form).redoAction->trigger();
        QCOMPARE(f.dialogs.sounds, QStringList{"Kick8.wav"});
        const auto& m = f.dialogs.messages.at(1);
        QCOMPARE(m.text, FileMessages::kTabs);
        QCOMPARE(m.title, QStringLiteral("Error!"));
        QCOMPARE(m.icon, MsgIcon::Stop);
        QCOMPARE(f.text(), QStringLiteral("B109 x\r\nU83\tVillager\r\n"));
        QCOMPARE(ui(f.form).files->fileName(), path("tabs.ai"));
        QCOMPARE(f.form.panel(MainWindow::Panel::File), path("previous.ai"));
        QVERIFY(ui(f.form).textArea->isVisibleTo(&f.form));
        QCOMPARE(ui(f.form).textArea->width(), 513);
        f.form.document().insertLines(LineStep::Kind::Append, 2, {QStringLiteral("x")});
        QVERIFY(f.form.isModified());
        // Save must not write over the refused file while another is shown.
        f.dialogs.expectSave(std::nullopt);
        ui(f.form).files->save();
        QCOMPARE(readBytes(path("tabs.ai")), QByteArray("B109 x\r\nU83\tVillager\r\n"));
        VERIFY_DIALOGS(f);
    }

    // New and Open start from a saved point of their own, whatever point
    // the last Save left: the new list is not marked, and the next New asks
    // nothing.
    void newAndOpenStartSaved_data()
    {
        QTest::addColumn<bool>("open");
        QTest::newRow("New") << false;
        QTest::newRow("Open") << true;
    }
    void newAndOpenStartSaved()
    {
        QFETCH(bool, open);
        writeBytes(path("other.ai"), QByteArray(kStartingLine) + "\r\n");
        FormFixture f;
        QTest::mouseClick(ui(f.form).appendButton, Qt::LeftButton);
        QTest::mouseClick(ui(f.form).appendButton, Qt::LeftButton);
        f.dialogs.expectSave(path("saved.ai"));
        ui(f.form).files->saveAs();
        QVERIFY(!f.form.isModified());
        if (open) {
            f.dialogs.expectOpen(path("other.ai"));
            ui(f.form).files->openFromDialog();
        } else {
            ui(f.form).files->newList();
        }
        QVERIFY(!f.form.isModified());
        QCOMPARE(f.form.panel(MainWindow::Panel::Marker), QString());
        ui(f.form).files->newList(); // asks nothing
        VERIFY_DIALOGS(f);
    }

    // Standard input ("vexdit -") opens as a file would, as a new list with
    // no name: unsaved, and Save asks where.
    void standardInputOpensUnnamed()
    {
        FormFixture f;
        ui(f.form).files->openStandardInput(QString::fromLatin1(kStartingLine) + "\n// piped");
        QCOMPARE(f.lines(), (QStringList{QString::fromLatin1(kStartingLine), line48("// piped")}));
        QCOMPARE(f.form.panel(MainWindow::Panel::File), QString());
        QVERIFY(f.form.isModified());
        f.dialogs.expectSave(std::nullopt);
        ui(f.form).files->save();
        VERIFY_DIALOGS(f);
    }

    void unreadableFilesAreReadFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("why"); // as --check says it
        QTest::newRow("missing") << "missing.ai"
                                 << "No such file or directory";
        QTest::newRow("directory") << "adir"
                                   << "not a regular file";
        QTest::newRow("NUL byte") << "nul.ai"
                                  << "holds a NUL byte";
        QTest::newRow("over 4 MiB") << "big.ai"
                                    << "larger than 4 MiB";
        QTest::newRow("fifo") << "fifo.ai"
                              << "not a regular file";
        QTest::newRow("device") << "/dev/zero"
                                << "not a regular file";
    }
    void unreadableFilesAreReadFailures()
    {
        QFETCH(QString, name);
        QFETCH(QString, why);
        QDir(dir.path()).mkdir(QStringLiteral("adir"));
        writeBytes(path("nul.ai"), QByteArray("B109 x\r\nab\0cd\r\n", 16));
        if (!QFile::exists(path("big.ai")))
            writeBytes(path("big.ai"), QByteArray(kMaxFileSize + 1, 'a'));
        if (!QFile::exists(path("fifo.ai")))
            QCOMPARE(::mkfifo(qPrintable(path("fifo.ai")), 0600), 0);
        const QString file = name.startsWith('/') ? name : dir.filePath(name);

        FormFixture f;
        f.setLines({kVillager3});
        f.dialogs.expectSave(path("previous.ai"));
        ui(f.form).files->saveAs();
        f.form.document().insertLines(LineStep::Kind::Append, 1, {kVillager3}); // unsaved work
        f.dialogs.expectMessage(MsgResult::Yes); // the unsaved-work question
        f.dialogs.expectOpen(file);
        f.dialogs.expectMessage();
        choose(ui(f.form).openAction);
        QCOMPARE(f.dialogs.messages.size(), 2);
        const auto& m = f.dialogs.messages.at(1);
        QCOMPARE(m.text, FileMessages::kReadError + "\n\n" + file + ": " + why);
        QCOMPARE(m.title, QStringLiteral("File Error"));
        QCOMPARE(m.icon, MsgIcon::Exclamation);
        QCOMPARE(f.lines(), (QStringList{kVillager3, kVillager3}));
        QCOMPARE(ui(f.form).files->fileName(), QString());
        QCOMPARE(f.form.panel(MainWindow::Panel::File), path("previous.ai"));
        QVERIFY(f.form.isModified());
        QVERIFY(ui(f.form).textArea->isVisibleTo(&f.form));
        QVERIFY(!ui(f.form).lineList->isVisibleTo(&f.form));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        // Save then asks for a name instead of writing to an empty one.
        f.dialogs.expectSave(std::nullopt);
        ui(f.form).files->save();
        VERIFY_DIALOGS(f);
    }

    // The size limit refuses only what is larger than it.
    void fileOfExactlyTheLimitIsRead()
    {
        QByteArray bytes;
        const QByteArray line = QByteArray(kStartingLine) + "\r\n";
        while (bytes.size() + line.size() <= kMaxFileSize)
            bytes += line;
        bytes += QByteArray(kMaxFileSize - bytes.size(), '/');
        QCOMPARE(bytes.size(), kMaxFileSize);
        writeBytes(path("limit.ai"), bytes);
        const std::optional<QString> text = readBuildList(path("limit.ai")).text;
        QVERIFY(text.has_value());
        QCOMPARE(text->size(), kMaxFileSize);
    }

    // Save, with a name known, in Lines mode after a new order: the file
    // holds the list's order.
    void saveInLinesModeAfterAMoveWritesTheNewOrder()
    {
        const QString file = path("order.ai");
        writeBytes(file, QByteArray(kStartingLine) + "\r\n" + kVillager3.toLatin1() + "\r\n");
        FormFixture f;
        f.dialogs.expectOpen(file);
        ui(f.form).files->openFromDialog();
        ui(f.form).modeButton->click();
        clickRow(ui(f.form).lineList, 1);
        QTest::keyClick(ui(f.form).lineList, Qt::Key_Up, Qt::AltModifier);
        ui(f.form).files->save();
        QCOMPARE(readBytes(file), kVillager3.toLatin1() + "\r\n" + kStartingLine + "\r\n");
        QVERIFY(!f.form.isModified());
        VERIFY_DIALOGS(f);
    }

    void recountFailureStillLeavesTheWindowUsable()
    {
        writeBytes(path("badqty.ai"), "// c\r\nU83 Villager\r\n");
        FormFixture f;
        f.dialogs.expectOpen(path("badqty.ai"));
        f.dialogs.expectMessage();
        choose(ui(f.form).openAction);
        QCOMPARE(f.dialogs.messages.at(0).text, QStringLiteral("' ' is not a valid integer value."));
        QVERIFY(ui(f.form).textArea->isVisibleTo(&f.form));
        QVERIFY(!ui(f.form).lineList->isVisibleTo(&f.form));
        QCOMPARE(ui(f.form).textArea->width(), 513);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(ui(f.form).textArea->selStart(), 60);
        QCOMPARE(f.form.document().position().line, 1);
        QVERIFY(!f.form.isModified());
        VERIFY_DIALOGS(f);
    }

    // A file opened at one of its own lines (as --check numbers them): the
    // caret at the start of the line that came from it, in view; past the
    // end, the last line.
    void openAtAFileLine_data()
    {
        QTest::addColumn<int>("fileLine");
        QTest::addColumn<int>("row");
        QTest::newRow("the first") << 1 << 0;
        QTest::newRow("after a comment Open made two of") << 3 << 3;
        QTest::newRow("far down, scrolled to") << 60 << 60;
        QTest::newRow("past the end: the last") << 99 << 60;
    }
    void openAtAFileLine()
    {
        QFETCH(int, fileLine);
        QFETCH(int, row);
        QByteArray bytes = (kTown + "\r\n// " + QString(60, QLatin1Char('c')) + "\r\n").toLatin1();
        for (int i = 3; i <= 60; ++i)
            bytes += (kVillager3 + "\r\n").toLatin1();
        QVERIFY(writeAll(path("long.ai"), bytes));
        FormFixture f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form));
        f.form.openNamedFile(path("long.ai"), fileLine);
        QCOMPARE(f.lines().size(), 61);
        QCOMPARE(ui(f.form).textArea->selStart(), row * kLineSlot);
        QCOMPARE(f.form.document().position().line, row);
        QVERIFY(ui(f.form).textArea->viewport()->rect().contains(ui(f.form).textArea->cursorRect()));
        VERIFY_DIALOGS(f);
    }

    // Another program changes or removes the open file: asked once for each
    // change, reloaded on Yes (a second question before unsaved work goes),
    // kept on No; a change of the program's own is not asked about.
    void changeOnDiskAskedOnce_data()
    {
        QTest::addColumn<QString>("change"); // "write", "remove", "own save"
        QTest::addColumn<bool>("unsaved");
        QTest::addColumn<QList<int>>("answers"); // Yes 1, No 0, one per question
        QTest::addColumn<bool>("reloaded");
        QTest::newRow("changed, kept") << "write" << false << QList<int>{0} << false;
        QTest::newRow("changed, reloaded") << "write" << false << QList<int>{1} << true;
        QTest::newRow("changed, unsaved work kept") << "write" << true << QList<int>{1, 0} << false;
        QTest::newRow("changed, unsaved work lost") << "write" << true << QList<int>{1, 1} << true;
        QTest::newRow("removed, kept") << "remove" << false << QList<int>{0} << false;
        QTest::newRow("saved by the program") << "own save" << true << QList<int>{} << false;
        QTest::newRow("already asked by Save") << "write, Save says No" << true << QList<int>{} << false;
    }
    void changeOnDiskAskedOnce()
    {
        QFETCH(QString, change);
        QFETCH(bool, unsaved);
        QFETCH(QList<int>, answers);
        QFETCH(bool, reloaded);
        const QString file = path("watched.ai");
        QVERIFY(writeAll(file, kStartingBytes));
        FormFixture f;
        f.form.openNamedFile(file);
        if (unsaved)
            f.form.document().insertLines(LineStep::Kind::Append, 1, {kVillager3});
        const QByteArray other = (kTown + "\r\n" + line48("// other") + "\r\n").toLatin1();
        if (change == "write")
            QVERIFY(writeAll(file, other));
        else if (change == "remove")
            QVERIFY(QFile::remove(file));
        else if (change == "own save")
            ui(f.form).files->save();
        if (change == "write, Save says No") {
            QVERIFY(writeAll(file, other));
            f.dialogs.expectMessage(MsgResult::No); // overwrite the other program's change?
            ui(f.form).files->save();
        }
        const QString before = f.text();
        const qsizetype asked = f.dialogs.messages.size();
        for (int answer : answers)
            f.dialogs.expectMessage(answer ? MsgResult::Yes : MsgResult::No);
        ui(f.form).files->noticeChangeOnDisk();
        ui(f.form).files->noticeChangeOnDisk(); // the same change: not again
        QCOMPARE(f.dialogs.messages.size() - asked, answers.size());
        if (!answers.isEmpty())
            QCOMPARE(f.dialogs.messages.at(asked).title, FileMessages::kChangedOnDiskTitle.text());
        QCOMPARE(f.text(), reloaded ? QString::fromLatin1(other) : before);
        VERIFY_DIALOGS(f);
    }

    // A file dropped from a file manager onto the window opens as Open
    // would, on the list of Lines mode too (the real window drops one on
    // the text); more than one, a folder or a remote file is refused with a
    // message.
    void droppedFileOpens_data()
    {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<bool>("linesMode");
        QTest::addColumn<QString>("refusal"); // empty: opened
        const QString plan = QUrl::fromLocalFile(path("dropped.ai")).toString();
        QTest::newRow("on the list") << QStringList{plan} << true << "";
        QTest::newRow("two files") << QStringList{plan, plan} << false << "Drop one build list at a time.";
        QTest::newRow("a folder") << QStringList{QUrl::fromLocalFile(dir.path()).toString()} << false
                                  << dir.path() + " is a folder, not a build list.";
        QTest::newRow("remote")
            << QStringList{"https://example.org/plan.ai"} << false
            << "https://example.org/plan.ai is not a file on this computer: save it first, "
               "then drop or open the saved file.";
    }
    void droppedFileOpens()
    {
        QFETCH(QStringList, urls);
        QFETCH(bool, linesMode);
        QFETCH(QString, refusal);
        const QByteArray bytes = (kTown + "\r\n" + kVillager3 + "\r\n").toLatin1();
        QVERIFY(writeAll(path("dropped.ai"), bytes));
        FormFixture f;
        if (linesMode)
            ui(f.form).modeButton->click();
        QWidget* target = linesMode ? static_cast<QWidget*>(ui(f.form).lineList->viewport())
                                    : ui(f.form).textArea->viewport();
        QMimeData data;
        QList<QUrl> list;
        for (const QString& url : urls)
            list << QUrl(url);
        data.setUrls(list);
        if (!refusal.isEmpty())
            f.dialogs.expectMessage();
        const QPoint at(10, 10);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
        QCoreApplication::processEvents();
        if (refusal.isEmpty()) {
            QCOMPARE(f.form.panel(MainWindow::Panel::File), path("dropped.ai"));
            QCOMPARE(ui(f.form).textArea->latin1Text(), bytes);
        } else {
            QCOMPARE(f.dialogs.messages.last().text, refusal);
            QCOMPARE(f.form.panel(MainWindow::Panel::File), QString());
        }
        VERIFY_DIALOGS(f);
    }

    // Open Recent: what was opened or saved, newest first, numbered, with
    // its path as tip; one that is gone cannot be chosen; choosing one asks
    // about unsaved work and opens it as Open does; Clear List empties it.
    void openRecent()
    {
        RecentFiles::clear();
        QVERIFY(writeAll(path("first.ai"), kStartingBytes));
        FormFixture f;
        f.dialogs.expectOpen(path("first.ai"));
        choose(ui(f.form).openAction);
        f.dialogs.expectSave(path("second.ai"));
        choose(ui(f.form).saveAsAction);
        QMenu* menu = ui(f.form).recentMenu;
        auto shown = [&] {
            emit menu->aboutToShow();
            QStringList items;
            for (QAction* a : menu->actions())
                if (!a->isSeparator())
                    items << QStringLiteral("%1 %2 %3").arg(a->text(), a->toolTip()).arg(a->isEnabled());
            return items;
        };
        QCOMPARE(shown(),
                 (QStringList{"&1 second.ai " + path("second.ai") + " 1",
                              "&2 first.ai " + path("first.ai") + " 1", "&Clear List Clear List 1"}));
        QFile::remove(path("first.ai"));
        QCOMPARE(shown().at(1), "&2 first.ai " + path("first.ai") + " 0");
        // Unsaved work: asked first, as Open asks.
        f.form.document().insertLines(LineStep::Kind::Append, 1, {kVillager3});
        f.dialogs.expectMessage(MsgResult::Yes);
        menu->actions().first()->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        QCOMPARE(f.dialogs.messages.last().text, FileMessages::kNotSavedOpen);
        QCOMPARE(f.form.panel(MainWindow::Panel::File), path("second.ai"));
        QCOMPARE(f.text(), QString::fromLatin1(kStartingBytes));
        QVERIFY(!f.form.isModified());
        menu->actions().last()->trigger(); // Clear List
        QCOMPARE(shown(), QStringList{"&Clear List Clear List 0"});
        QCOMPARE(RecentFiles::paths(), QStringList());
        VERIFY_DIALOGS(f);
    }

    void newStartsOver()
    {
        FormFixture f;
        f.setLines({kVillager3});
        f.dialogs.expectSave(path("kept.ai"));
        ui(f.form).files->saveAs();
        ui(f.form).picker->setVillagerCount(3);
        ui(f.form).text->setUndoAvailable(true);
        ui(f.form).modeButton->click();
        f.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        choose(ui(f.form).newAction);
        QCOMPARE(f.text(), kTown + "\r\n");
        QCOMPARE(f.listItems(), QStringList{kTown});
        QCOMPARE(f.form.panel(MainWindow::Panel::File), QString());
        QVERIFY(!f.form.isModified());
        QCOMPARE(f.form.panel(MainWindow::Panel::Mode), QStringLiteral("Normal"));
        QCOMPARE(ui(f.form).villagerBox->text(), QStringLiteral("0"));
        QCOMPARE(ui(f.form).picker->villagerCount(), 0);
        QCOMPARE(f.form.document().position().insertAt, -1);
        QVERIFY(!ui(f.form).modes->linesMode());
        // New forgets the file as it clears the status bar: Save asks for a name.
        QCOMPARE(ui(f.form).files->fileName(), QString());
        QVERIFY(!ui(f.form).removeLastLineButton->isEnabled());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui(f.form).itemBox));
        VERIFY_DIALOGS(f);
    }

    void unsavedWorkQuestion_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("question");
        QTest::newRow("new") << "new" << FileMessages::kNotSavedNew.text();
        QTest::newRow("open") << "open" << FileMessages::kNotSavedOpen.text();
        QTest::newRow("exit") << "exit" << FileMessages::kNotSavedQuit.text();
        QTest::newRow("exit button") << "button" << FileMessages::kNotSavedQuit.text();
        QTest::newRow("close box") << "close" << FileMessages::kNotSavedQuit.text();
    }
    void unsavedWorkQuestion()
    {
        QFETCH(QString, action);
        QFETCH(QString, question);
        FormFixture f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form));
        ui(f.form).picker->appendItem();
        const QString before = f.text();
        f.dialogs.expectMessage(MsgResult::No);
        if (action == "new")
            choose(ui(f.form).newAction);
        if (action == "open")
            choose(ui(f.form).openAction);
        if (action == "exit")
            choose(ui(f.form).exitAction);
        if (action == "button")
            QTest::mouseClick(ui(f.form).exitButton, Qt::LeftButton);
        if (action == "close")
            QVERIFY(!f.form.close());
        const auto& m = f.dialogs.messages.at(0);
        QCOMPARE(m.text, question);
        QCOMPARE(m.title, FileMessages::kSureTitle);
        QCOMPARE(m.buttons, MsgButtons::YesNo);
        QCOMPARE(m.icon, MsgIcon::Question);
        QCOMPARE(m.defaultButton, MsgResult::No);
        QCOMPARE(f.text(), before);
        QVERIFY(f.form.isModified());
        QVERIFY(!f.app.terminated());
        QVERIFY(f.form.isVisible());
        VERIFY_DIALOGS(f);
    }

    void closeBoxAnsweredYesEnds()
    {
        FormFixture f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form));
        ui(f.form).picker->appendItem();
        f.dialogs.expectMessage(MsgResult::Yes);
        QVERIFY(f.form.close());
        QVERIFY(f.app.terminated());
        VERIFY_DIALOGS(f);
    }

    // Ending the message loop closes the windows (Qt 6's quit() does), and
    // that must not put the question a second time.
    void exitAsksOnceEvenWhenTheEndClosesTheWindow_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("menu") << "exit";
        QTest::newRow("button") << "button";
        QTest::newRow("close box") << "close";
    }
    void exitAsksOnceEvenWhenTheEndClosesTheWindow()
    {
        QFETCH(QString, action);
        FormFixture f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form));
        QObject::connect(&f.app, &Application::terminating, &f.form, [&] { f.form.close(); });
        ui(f.form).picker->appendItem();
        f.dialogs.expectMessage(MsgResult::Yes);
        if (action == "exit")
            choose(ui(f.form).exitAction);
        if (action == "button")
            QTest::mouseClick(ui(f.form).exitButton, Qt::LeftButton);
        if (action == "close")
            f.form.close();
        QVERIFY(f.app.terminated());
        QVERIFY(!f.form.isVisible());
        QCOMPARE(f.dialogs.messages.size(), 1);
        VERIFY_DIALOGS(f);
    }

    void saveDialogWantsAnExistingFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("exists");
        QTest::newRow("in the folder") << "plan.ai" << true;
        QTest::newRow("in a missing folder") << "missing/plan.ai" << false;
        QTest::newRow("under a file") << "file.ai/plan.ai" << false;
        QTest::newRow("the folder itself") << "." << true;
    }
    void saveDialogWantsAnExistingFolder()
    {
        QFETCH(QString, name);
        QFETCH(bool, exists);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("file.ai")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(folderExists(dir.filePath(name)), exists);
    }

    void dialogsAskForAiFiles()
    {
        FormFixture f;
        f.dialogs.expectOpen(std::nullopt);
        ui(f.form).files->openFromDialog();
        f.dialogs.expectSave(std::nullopt);
        ui(f.form).files->saveAs();
        const FileDialogRequest& open = f.dialogs.fileRequests.at(0).request;
        QCOMPARE(open.filters, (QStringList{"ai (*.ai)", "All (*.*)"}));
        QCOMPARE(open.filterIndex, 0);
        QCOMPARE(open.defaultSuffix, QStringLiteral("ai"));
        QVERIFY(open.fileMustExist);
        const FileDialogRequest& save = f.dialogs.fileRequests.at(1).request;
        QCOMPARE(save.filters, open.filters);
        QVERIFY(save.confirmOverwrite);
        QCOMPARE(save.defaultSuffix, QStringLiteral("ai"));
        QCOMPARE(f.text(), kTown + "\r\n"); // cancelled: nothing changed
        VERIFY_DIALOGS(f);
    }

    void saveAsStartsFromTheShownName()
    {
        FormFixture f;
        f.form.openNamedFile(path("shown.ai")); // no file yet: a new list under that name
        f.dialogs.expectSave(std::nullopt);
        ui(f.form).files->saveAs();
        QCOMPARE(f.dialogs.fileRequests.at(0).request.fileName, path("shown.ai"));
    }

    void saveWritesToTheKnownFile()
    {
        FormFixture f;
        f.dialogs.expectSave(path("saved.ai"));
        ui(f.form).files->save(); // no name yet: through Save As
        QCOMPARE(f.form.panel(MainWindow::Panel::File), path("saved.ai"));
        ui(f.form).picker->appendItem();
        ui(f.form).files->save(); // now straight to the file
        QCOMPARE(readBytes(path("saved.ai")),
                 (kTown + "\r\nU83       Villager             1      109       \r\n").toLatin1());
        QVERIFY(!f.form.isModified());
        VERIFY_DIALOGS(f);
    }

    // The new name is in place but its folder cannot be flushed: the save
    // is done, so the window takes the new file and says what may be lost;
    // the next Save goes to that file without a word.
    void unflushedFolderIsSavedWithAWarning()
    {
        writeBytes(path("unflushed.ai"), (kTown + "\r\n").toLatin1());
        FormFixture f;
        open(f, path("unflushed.ai"));
        ui(f.form).picker->appendItem();
        int flushes = 0;
        const SaveStepHook before = setSaveStepHook(
            [&](SaveStep step) { return step == SaveStep::FolderFlush && flushes++ == 0 ? EIO : 0; });
        const auto restore = qScopeGuard([&] { setSaveStepHook(before); });
        f.dialogs.expectMessage();
        choose(ui(f.form).saveAction);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages.at(0).text.startsWith(
            FileMessages::kSavedWithWarning.arg(path("unflushed.ai"), "its folder could not be flushed")
                .chopped(1)));
        QCOMPARE(f.dialogs.messages.at(0).buttons, MsgButtons::OK);
        QCOMPARE(readBytes(path("unflushed.ai")), ui(f.form).textArea->latin1Text());
        QVERIFY(!f.form.isModified());
        ui(f.form).picker->appendItem();
        choose(ui(f.form).saveAction);
        QCOMPARE(flushes, 2);
        QCOMPARE(readBytes(path("unflushed.ai")), ui(f.form).textArea->latin1Text());
        QVERIFY(!f.form.isModified());
        VERIFY_DIALOGS(f);
    }

    void saveInLinesModeWritesTheListOrder()
    {
        FormFixture f;
        f.setLines({kTown, kVillager3});
        ui(f.form).modeButton->click();
        clickRow(ui(f.form).lineList, 1);
        QTest::keyClick(ui(f.form).lineList, Qt::Key_Up, Qt::AltModifier);
        f.dialogs.expectSave(path("order.ai"));
        ui(f.form).files->save();
        QCOMPARE(readBytes(path("order.ai")), (kVillager3 + "\r\n" + kTown + "\r\n").toLatin1());
        QVERIFY(!f.form.isModified());
        VERIFY_DIALOGS(f);
    }

    void failedSaveReportsAndKeepsTheMarker_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("missing folder") << "nofolder/x.ai";
        QTest::newRow("a directory") << "adir2";
    }
    void failedSaveReportsAndKeepsTheMarker()
    {
        QFETCH(QString, target);
        QDir(dir.path()).mkdir(QStringLiteral("adir2"));
        const QString file = dir.filePath(target);
        FormFixture f;
        ui(f.form).picker->appendItem();
        f.dialogs.expectSave(file);
        f.dialogs.expectMessage();
        choose(ui(f.form).saveAsAction);
        QCOMPARE(f.dialogs.messages.at(0).text, QStringLiteral("Cannot create file %1.").arg(file));
        QCOMPARE(f.dialogs.messages.at(0).icon, MsgIcon::Stop);
        QVERIFY(f.form.isModified());
        QCOMPARE(ui(f.form).files->fileName(), file);
        QCOMPARE(f.form.panel(MainWindow::Panel::File), QString());
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("adir2"))).isDir());
        VERIFY_DIALOGS(f);
    }

    // Save goes back to the file that was read: another program's change
    // is overwritten only when the user says so, and a link put in the
    // file's place is never written through; Save As is offered instead.
    void saveGuardsTheFileRead_data()
    {
        QTest::addColumn<bool>("replaced"); // by a link; otherwise appended to
        QTest::addColumn<MsgResult>("answer");
        QTest::newRow("changed on disk, kept") << false << MsgResult::No;
        QTest::newRow("changed on disk, overwritten") << false << MsgResult::Yes;
        QTest::newRow("replaced by a link, left") << true << MsgResult::No;
        QTest::newRow("replaced by a link, saved as another") << true << MsgResult::Yes;
    }
    void saveGuardsTheFileRead()
    {
        QFETCH(bool, replaced);
        QFETCH(MsgResult, answer);
        const QString file = dir.filePath(QStringLiteral("guarded-%1.ai").arg(QTest::currentDataTag()));
        const QString elsewhere = file + ".elsewhere";
        const QByteArray victim = "another user's file\n";
        writeBytes(file, (kTown + "\r\n").toLatin1());
        FormFixture f;
        open(f, file);
        ui(f.form).picker->appendItem();
        if (replaced) {
            writeBytes(file + ".victim", victim);
            QVERIFY(QFile::remove(file));
            QVERIFY(QFile::link(file + ".victim", file));
        } else {
            QFile other(file);
            QVERIFY(other.open(QIODevice::Append));
            other.write("appended\r\n");
        }
        const QByteArray onDisk = readBytes(file);
        f.dialogs.expectMessage(answer);
        if (replaced && answer == MsgResult::Yes)
            f.dialogs.expectSave(elsewhere);
        choose(ui(f.form).saveAction);

        QCOMPARE(f.dialogs.messages.size(), 1);
        const auto& question = f.dialogs.messages.at(0);
        QCOMPARE(question.text,
                 (replaced ? FileMessages::kNotTheFileRead : FileMessages::kChangedOnDisk).arg(file));
        QCOMPARE(question.buttons, MsgButtons::YesNo);
        const QByteArray shown = ui(f.form).textArea->latin1Text();
        const bool overwritten = !replaced && answer == MsgResult::Yes;
        QCOMPARE(readBytes(file), overwritten ? shown : onDisk);
        if (replaced)
            QCOMPARE(readBytes(file + ".victim"), victim);
        const bool savedElsewhere = replaced && answer == MsgResult::Yes;
        QCOMPARE(readBytes(elsewhere), savedElsewhere ? shown : QByteArray("<unreadable>"));
        QCOMPARE(f.form.panel(MainWindow::Panel::File), savedElsewhere ? elsewhere : file);
        QCOMPARE(f.form.isModified(), !overwritten && !savedElsewhere);
        VERIFY_DIALOGS(f);
    }

    // A copy that a save which did not finish left beside the file is
    // pointed out on Open, which offers to remove it; kept, it is pointed
    // out again at the next Open.
    void openTellsOfAnUnfinishedSave_data()
    {
        QTest::addColumn<bool>("remove");
        QTest::newRow("kept") << false;
        QTest::newRow("removed") << true;
    }
    void openTellsOfAnUnfinishedSave()
    {
        QFETCH(bool, remove);
        writeBytes(path("cut.ai"), (kTown + "\r\n").toLatin1());
        const QString backup = backupBeside(path("cut.ai"));
        const QByteArray old = (kTown + "\r\n" + kVillager3 + "\r\n").toLatin1();
        writeBytes(backup, old);
        FormFixture f;
        f.dialogs.expectOpen(path("cut.ai"));
        f.dialogs.expectMessage(remove ? MsgResult::Yes : MsgResult::No);
        choose(ui(f.form).openAction);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages.at(0).text,
                 FileMessages::kBackupFound.arg(path("cut.ai"), backup) + FileMessages::kRemoveBackup);
        QCOMPARE(f.dialogs.messages.at(0).defaultButton, MsgResult::No);
        QCOMPARE(f.lines(), QStringList{kTown});
        QCOMPARE(readBytes(backup), remove ? QByteArray("<unreadable>") : old);
        f.dialogs.expectOpen(path("cut.ai"));
        if (!remove)
            f.dialogs.expectMessage(MsgResult::No);
        choose(ui(f.form).openAction);
        QCOMPARE(f.dialogs.messages.size(), remove ? 1 : 2);
        VERIFY_DIALOGS(f);
    }

    // More than Open reads is not written; the work stays in the window.
    void tooLargeIsNotSaved()
    {
        FormFixture f;
        f.setLines(QStringList(kMaxFileSize / 50, kTown));
        f.form.document().insertLines(LineStep::Kind::Append, kMaxFileSize / 50, {kTown}); // unsaved
        f.dialogs.expectSave(path("huge.ai"));
        f.dialogs.expectMessage();
        choose(ui(f.form).saveAsAction);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages.at(0).text.startsWith(path("huge.ai") + " was not saved"));
        QVERIFY(!QFile::exists(path("huge.ai")));
        QVERIFY(f.form.isModified());
        VERIFY_DIALOGS(f);
    }

    void openDisablesUndo()
    {
        writeBytes(path("undo.ai"), (kTown + "\r\n").toLatin1());
        FormFixture f;
        ui(f.form).picker->appendItem();
        f.dialogs.expectMessage(MsgResult::Yes);
        open(f, path("undo.ai"));
        QVERIFY(!ui(f.form).removeLastLineButton->isEnabled());
        VERIFY_DIALOGS(f);
    }
};

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
