#pragma once

class QAbstractItemView;

// Tells assistive technology that a list's current row has the focus, once
// the list's own focus has been told: a screen reader then reads the row
// after "list with N items", instead of losing it under the list. Nothing
// is told unless the list still has the keyboard in the active window, so
// that a window in the background never takes the reader's focus.
void tellCurrentRowOnceFocused(QAbstractItemView* view);
