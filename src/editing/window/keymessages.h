#pragma once

#include "model/trtext.h"

// What the text area says of a refused character; written here once.
namespace KeyMessages {
inline constexpr TrText kLineLengthInvalid{"KeyMessages",
                                           QT_TRANSLATE_NOOP("KeyMessages", "Line length invalid!")};
inline constexpr TrText kTitle{"KeyMessages", QT_TRANSLATE_NOOP("KeyMessages", "Error")};
} // namespace KeyMessages
