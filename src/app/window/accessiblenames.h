#pragma once

#include "app/window/decorationlabel.h"

class CheckOrderWindow;
class MainWindow;
class CountWindow;

// Names and descriptions for every control a screen reader reaches, in the
// main window, the Count window and the Check Order window.
void nameControlsForScreenReaders(MainWindow& main, CountWindow& count, CheckOrderWindow& check);
