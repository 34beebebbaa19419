#pragma once

#include <QObject>

class Application;
class QMenu;

// File > Open Recent: the build lists last opened or saved, newest first,
// each with its number as access key and its full path as tip; one that is
// gone is shown but cannot be chosen. Clear List empties it. The list is
// read anew each time the menu opens, so a window started later shares it.
class RecentMenu : public QObject {
    Q_OBJECT
public:
    RecentMenu(Application& app, QMenu* menu);

signals:
    // The user chose this file.
    void chosen(const QString& path);

private:
    void fill();

    Application& app_;
    QMenu* menu_;
};
