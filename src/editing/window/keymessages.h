#pragma once

#include <QString>

// What the text area says of a refused character; written here once.
namespace KeyMessages {
inline const QString kLineLengthInvalid = QStringLiteral("Line length invalid!");
inline const QString kTitle = QStringLiteral("Error");
} // namespace KeyMessages
