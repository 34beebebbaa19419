// The villager tally's Refresh: recounts the build list.
#include "app/tedit.h"
#include "app/tform1.h"
#include "app/tmemo.h"
#include "buildlist/villagers.h"

void TForm1::cmdVillCountRefreshClick()
{
    if (linesMode)
        copyListToText();
    villagerCount = 0;
    Memo1->forEachLineContaining(u"Villager", [this](QStringView line) { addVillagerLine(line, villagerCount); });
    showVillagerCount();
}
