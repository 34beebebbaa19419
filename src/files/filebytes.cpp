#include "files/filebytes.h"
#include "files/diskfile.h"

std::optional<QString> readBuildListFile(const QString& path, QString* whyNot)
{
    ReadOutcome read = readBuildList(path);
    if (whyNot)
        *whyNot = read.whyNot;
    return std::move(read.text);
}
