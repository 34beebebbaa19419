#include "fileroadcheck.h"

#include "support/nowarnings.h"
#include <QDir>
#include <QFile>
#include <QTest>

// Every file of the fuzzer's corpus goes down Open's road again, with the
// fuzzer's own checks.
class TestFuzzCorpus : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void corpusKeepsTheInvariants_data()
    {
        QTest::addColumn<QString>("path");
        const QDir corpus(QStringLiteral(VEXDIT_FUZZ_CORPUS));
        const QStringList files = corpus.entryList(QDir::Files);
        QVERIFY(files.size() >= 10);
        for (const QString& name : files)
            QTest::newRow(qPrintable(name)) << corpus.filePath(name);
    }
    void corpusKeepsTheInvariants()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString broken = checkFileRoad(file.readAll());
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

    void generatedFilesKeepTheInvariants()
    {
        // The checks hold for generated files of every shape.
        for (int width : {0, 30, 47, 48, 49, 94, 95, 140}) {
            for (const char* start : {"/", "//", "U83", "B109 "}) {
                const QByteArray line = (QByteArray(start) + QByteArray(width, 'x')).left(qMax(width, 1));
                for (const char* brk : {"\r\n", "\n", "\r", ""}) {
                    const QByteArray bytes = line + brk + line + brk;
                    const QString broken = checkFileRoad(bytes);
                    QVERIFY2(broken.isEmpty(), qPrintable(broken + " for " + bytes.toPercentEncoding()));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
