#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Build-list files are 8-bit text: every byte is one character (Latin-1)
// and every character is written back as one byte.

constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

// The file's text, or nothing when it cannot be read as a build list: not
// a regular file, unreadable, larger than 4 MiB or holding a NUL byte. The
// reason, in a few words, goes to whyNot when it is given.
std::optional<QString> readBuildListFile(const QString& path, QString* whyNot = nullptr);

// Writes the bytes so that a failure leaves the old file whole and a
// success keeps what the file is (see keepingsave.h). Throws
// FileCreateError with the path on any failure.
void writeBuildListFile(const QString& path, const QByteArray& bytes);
