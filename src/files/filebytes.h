#pragma once

#include <QString>
#include <optional>

// Build-list files are 8-bit text: every byte is one character (Latin-1)
// and every character is written back as one byte.

// Open reads no larger file, and Save writes none.
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

// The file's text, or nothing when it cannot be read as a build list (see
// readBuildList). The reason, in a few words, goes to whyNot when given.
std::optional<QString> readBuildListFile(const QString& path, QString* whyNot = nullptr);
