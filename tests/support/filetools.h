#pragma once

#include "files/backupcopy.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <sys/stat.h>

// The bytes a new build list saves: its starting line.
inline const QByteArray kStartingBytes = "B109      TownCenter           1      -1        \r\n";

// A folder of the test's own, gone with it, and the paths of files in it.
struct TestFolder {
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

// A file's bytes, or a text no build list holds when it cannot be read.
inline QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

inline bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Where a save of the file keeps its old bytes beside it.
inline QString backupBeside(const QString& path)
{
    struct stat file {};
    ::stat(QFile::encodeName(path).constData(), &file);
    const QFileInfo info(path);
    return info.dir().filePath(QFile::decodeName(backupNameBeside(QFile::encodeName(info.fileName()), file)));
}
