#pragma once

#include "app/window/decorationlabel.h"

class TCheckOrder;
class TForm1;
class TForm2;

// Names and descriptions for every control a screen reader reaches, in the
// main window, the Count window and the Check Order window.
void nameControlsForScreenReaders(TForm1& main, TForm2& count, TCheckOrder& check);
