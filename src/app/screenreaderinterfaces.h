#pragma once

// What screen readers are told of the program's own controls where Qt's
// own answers fall short: decorations are left out, the item boxes are
// named by their label rather than by the item shown, and the Count and
// Check Order windows are windows. Installed once, before any window.
void installScreenReaderInterfaces();
