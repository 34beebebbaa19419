#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// What a drop on the window (a file manager's list of URLs) asks to open:
// one file on this computer, or why it is refused.
struct DroppedFile {
    QString path; // the file to open; empty when refused
    QString whyNot; // for the user, when refused
};
DroppedFile droppedFile(const QList<QUrl>& urls);
