#pragma once

#include "model/trtext.h"

// What Insert asks when no insertion point is set; written here once.
namespace AppendMessages {
inline constexpr TrText kNoInsertionPoint{
    "AppendMessages",
    QT_TRANSLATE_NOOP(
        "AppendMessages",
        "No insertion point is defined (click in list to define one). \nDo you want to append?")};
inline constexpr TrText kNoInsertionPointTitle{"AppendMessages", QT_TRANSLATE_NOOP("AppendMessages", "Huh?")};
} // namespace AppendMessages
