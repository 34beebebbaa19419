#pragma once

#include <QByteArray>

// A realistic build list of `lines` lines: item lines of every kind made
// from the catalog, with comment lines among them and a few long comments.
QByteArray generateBuildList(int lines, unsigned seed = 1);
