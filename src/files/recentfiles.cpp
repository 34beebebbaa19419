#include "files/recentfiles.h"

#include <QSettings>

namespace {

const QString kKey = QStringLiteral("recentFiles");

// The settings under the program's own name, whatever the window calls
// itself.
struct ProgramSettings : QSettings {
    ProgramSettings()
        : QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("vexdit"),
                    QStringLiteral("vexdit"))
    {
    }
};

} // namespace

QStringList RecentFiles::paths()
{
    return ProgramSettings().value(kKey).toStringList().mid(0, kMost);
}

void RecentFiles::add(const QString& path)
{
    QStringList list = paths();
    list.removeAll(path);
    list.prepend(path);
    ProgramSettings().setValue(kKey, list.mid(0, kMost));
}

void RecentFiles::clear()
{
    ProgramSettings().remove(kKey);
}
