#pragma once

#include <QByteArray>
#include <QString>

// Runs a file's bytes down Open's road without a window (the checks before
// reading, the tab check, the width fix-up, the names, the recount) and
// checks what must always hold of the result. Returns what broke, or an
// empty text.
QString checkFileRoad(const QByteArray& bytes);
