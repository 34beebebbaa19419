#pragma once

#include <QString>

// What Find asks at the end of the list; written here once.
namespace FindMessages {
inline const QString kEndOfList = QStringLiteral("End of list reached. Try from top of List?");
inline const QString kNotFoundTitle = QStringLiteral("Not Found!");
} // namespace FindMessages
