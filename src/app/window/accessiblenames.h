#pragma once

#include "app/window/decorationlabel.h"

struct Windows;

// Names and descriptions for every control a screen reader reaches, in the
// main window, the Count window and the Check Order window.
void nameControlsForScreenReaders(Windows& windows);
