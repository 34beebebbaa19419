#include "about/window/aboutbox.h"
#include "about/window/helpviewer.h"
#include "about/window/helpwindow.h"
#include "app/mainwindow.h"
#include "support/controls.h"
#include "support/formfixture.h"

#include "support/nowarnings.h"
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

class TestAbout : public QObject {
    Q_OBJECT

    // Help shown from a short document in the working folder.
    static bool showSomeHelp()
    {
        QTemporaryDir dir;
        const QString saved = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QFile doc(dir.filePath(QStringLiteral("Vexdit.html")));
        const bool shown = doc.open(QIODevice::WriteOnly) && doc.write("<h1>Contents</h1>") > 0 && doc.flush()
                           && showHelpContents(QStringLiteral("Vexdit.hlp"));
        QDir::setCurrent(saved);
        return shown;
    }

    static HelpWindow* helpWindow()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* help = qobject_cast<HelpWindow*>(w))
                return help;
        return nullptr;
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void aboutShowsNameAndVersion()
    {
        FormFixture f;
        QString shownName, shownVersion;
        f.dialogs.expectModal([&](QDialog* d) {
            auto* box = qobject_cast<AboutBox*>(d);
            QVERIFY(box);
            shownName = box->findChild<QLabel*>(QStringLiteral("ProductName"))->text();
            shownVersion = box->findChild<QLabel*>(QStringLiteral("Version"))->text();
        });
        f.dialogs.expectModal();
        const QString before = f.text();
        choose(ui(f.form).aboutAction);
        choose(ui(f.form).aboutAction); // a second time: the same box
        QCOMPARE(shownName, QStringLiteral("Brindlecap Vex ai File Editor"));
        QCOMPARE(shownVersion, QStringLiteral("Version 1.0"));
        QCOMPARE(f.dialogs.modals.size(), 2);
        QCOMPARE(f.dialogs.modals.at(0), f.dialogs.modals.at(1));
        QCOMPARE(f.text(), before);
        VERIFY_DIALOGS(f);
    }

    void aboutLayout()
    {
        AboutBox box;
        auto label = [&](const char* name) { return box.findChild<QLabel*>(QLatin1String(name)); };
        auto* ok = box.findChild<QPushButton*>(QStringLiteral("OKButton"));
        QCOMPARE(box.windowTitle(), QStringLiteral("About"));
        QCOMPARE(box.size(), QSize(298, 213));
        QVERIFY(label("ProductName")->font().bold());
        QCOMPARE(label("Image1")->pixmap().size(), QSize(59, 76));
        QCOMPARE(label("ProgramIcon")->pixmap().size(), QSize(32, 32));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
    }

    void okAndEnterClose()
    {
        for (bool useEnter : {false, true}) {
            AboutBox box;
            box.show();
            QVERIFY(QTest::qWaitForWindowActive(&box));
            if (useEnter)
                QTest::keyClick(&box, Qt::Key_Return);
            else
                QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
            QCOMPARE(box.result(), int(QDialog::Accepted));
            QVERIFY(!box.isVisible());
        }
    }

    void helpAsksForTheContents()
    {
        FormFixture f;
        ui(f.form).helpAction->trigger();
        QCOMPARE(f.dialogs.help, QStringList{"Vexdit.hlp 3 0"});
        VERIFY_DIALOGS(f);
    }

    void helpDocumentBesideTheHelpFile()
    {
        QTemporaryDir dir;
        const QString saved = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QFile doc(dir.filePath(QStringLiteral("Vexdit.html")));
        QVERIFY(doc.open(QIODevice::WriteOnly));
        doc.write("<h1>Contents</h1>");
        doc.close();
        QCOMPARE(helpDocumentFor(QStringLiteral("Vexdit.hlp")), QFileInfo(doc).absoluteFilePath());
        QVERIFY(showHelpContents(QStringLiteral("Vexdit.hlp")));
        HelpWindow* help = helpWindow();
        QVERIFY(help && help->isVisible());
        QVERIFY(help->contents()->toPlainText().contains(QStringLiteral("Contents")));
        QDir::setCurrent(saved);
    }

    // Help closes as a window does: its Close button, Escape, Ctrl+W.
    void helpClosesFromTheKeyboard_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Close button") << "button";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("Ctrl+W") << "ctrl+w";
    }
    void helpClosesFromTheKeyboard()
    {
        QFETCH(QString, way);
        QVERIFY(showSomeHelp());
        QPointer<HelpWindow> help = helpWindow();
        QVERIFY(help);
        QVERIFY(QTest::qWaitForWindowActive(help));
        QCOMPARE(help->accessibleName(), QStringLiteral("Help"));
        if (way == "button")
            QTest::mouseClick(help->closeButton(), Qt::LeftButton);
        else
            QTest::keyClick(help->contents(), way == "escape" ? Qt::Key_Escape : Qt::Key_W,
                            way == "escape" ? Qt::NoModifier : Qt::ControlModifier);
        QTRY_VERIFY(!help || !help->isVisible());
    }

    // The help document's Keyboard section names every shortcut the menus
    // carry and the keys of Lines mode.
    void helpListsEveryKey()
    {
        QFile file(QStringLiteral(VEXDIT_HELP_DOCUMENT));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        const int keyboard = html.indexOf(QStringLiteral("<h2 id=\"keyboard\">Keyboard</h2>"));
        QVERIFY(keyboard > 0);
        const QString section = html.mid(keyboard);
        FormFixture f;
        QStringList keys{"Alt+Up", "Alt+Down", "Shift+F10", "Menu"};
        for (QAction* action : f.form.findChildren<QAction*>())
            for (const QKeySequence& shortcut : action->shortcuts())
                keys << shortcut.toString(QKeySequence::NativeText);
        QVERIFY(keys.size() > 4);
        for (const QString& key : keys)
            QVERIFY2(section.contains(key), qPrintable(key));
    }

    void missingHelpChangesNothing()
    {
        QTemporaryDir dir;
        const QString saved = QDir::currentPath();
        QDir::setCurrent(dir.path());
        // Not in the working folder, and the test program has none beside it.
        if (!helpDocumentFor(QStringLiteral("Nothing.hlp")).isEmpty())
            QFAIL("a help document was found where none exists");
        const int windows = QApplication::topLevelWidgets().size();
        QVERIFY(!showHelpContents(QStringLiteral("Nothing.hlp")));
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        QDir::setCurrent(saved);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
