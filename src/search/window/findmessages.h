#pragma once

#include "model/trtext.h"

// What Find asks at the end of the list; written here once.
namespace FindMessages {
inline constexpr TrText kEndOfList{
    "FindMessages", QT_TRANSLATE_NOOP("FindMessages", "End of list reached. Try from top of List?")};
inline constexpr TrText kNotFoundTitle{"FindMessages", QT_TRANSLATE_NOOP("FindMessages", "Not Found!")};
// After a whole pass from the top without a hit; %1 is the text.
inline constexpr TrText kCannotFind{"FindMessages", QT_TRANSLATE_NOOP("FindMessages", "Cannot find \"%1\".")};
} // namespace FindMessages
