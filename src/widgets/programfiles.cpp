#include "widgets/programfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

Q_LOGGING_CATEGORY(programFilesLog, "vexdit.files", QtWarningMsg)

QString installedFolder(const char* fromProgram)
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                           + QLatin1String(fromProgram));
}

namespace {

// The installed program's data folder (share/vexdit), or empty for a build
// that is not installed.
QString installedDataFolder()
{
    const QString installed = installedFolder(VEXDIT_DATA_FROM_PROGRAM);
    return QFileInfo(installed).isDir() ? installed : QString();
}

} // namespace

QString findBesideProgram(const QString& fileName)
{
    // An installed program reads only its installed files: a stray copy in
    // the working folder must not stand in for them. A build that is not
    // installed reads the working folder, then its own.
    const QString installed = installedDataFolder();
    const QStringList folders =
        !installed.isEmpty() ? QStringList{installed}
                             : QStringList{QDir::currentPath(), QCoreApplication::applicationDirPath()};
    for (const QString& folder : folders) {
        const QFileInfo candidate(QDir(folder).filePath(fileName));
        if (candidate.isFile() && candidate.isReadable()) {
            qCDebug(programFilesLog, "%s: %s", qPrintable(fileName),
                    qPrintable(candidate.absoluteFilePath()));
            return candidate.absoluteFilePath();
        }
    }
    qCDebug(programFilesLog, "%s: not found", qPrintable(fileName));
    return QString();
}

QString translationsFolder()
{
    const QString installed = installedDataFolder();
    return (installed.isEmpty() ? QCoreApplication::applicationDirPath() : installed)
           + QStringLiteral("/translations");
}

QFont dialogFont()
{
    // Where the old dialog font is missing, its metric twin stands in.
    if (QFont::substitutes(QStringLiteral("MS Sans Serif")).isEmpty())
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QFont fixedPitchFont(bool bold)
{
    // "Courier New" where it exists; fontconfig maps it to a metric twin
    // (Liberation Mono), and the style hint keeps it fixed-pitch otherwise.
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(12);
    font.setBold(bold);
    return font;
}
