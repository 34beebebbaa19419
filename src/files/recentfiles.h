#pragma once

#include <QStringList>

// The build lists last opened or saved, newest first, at most nine, kept in
// the user's settings (~/.config/vexdit/vexdit.conf on Linux), so that a
// window started later finds them too. Read anew each time it is asked.
class RecentFiles {
public:
    static constexpr int kMost = 9;

    static QStringList paths();
    // `path` goes to the top, once.
    static void add(const QString& path);
    static void clear();
};
