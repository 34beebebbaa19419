#pragma once

#include <QString>

// What Find asks at the end of the list; written here once.
namespace FindMessages {
inline const QString kEndOfList = QStringLiteral("End of list reached. Try from top of List?");
inline const QString kNotFoundTitle = QStringLiteral("Not Found!");
// After a whole pass from the top without a hit; %1 is the text.
inline const QString kCannotFind = QStringLiteral("Cannot find \"%1\".");
} // namespace FindMessages
