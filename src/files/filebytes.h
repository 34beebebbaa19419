#pragma once

#include <QtGlobal>

// Build-list files are 8-bit text: every byte is one character (Latin-1)
// and every character is written back as one byte. Open reads no larger
// file than this, and Save writes none.
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;
