#pragma once

#include <QString>

// What Insert asks when no insertion point is set; written here once.
namespace AppendMessages {
inline const QString kNoInsertionPoint =
    QStringLiteral("No insertion point is defined (click in list to define one). \nDo you want to append?");
inline const QString kNoInsertionPointTitle = QStringLiteral("Huh?");
} // namespace AppendMessages
