// The villager tally's Refresh: recounts the build list.
#include "app/window/tedit.h"
#include "app/window/tform1.h"
#include "app/window/tmemo.h"
#include "buildlist/villagers.h"
#include "model/errors.h"

void TForm1::cmdVillCountRefreshClick()
{
    int count = 0;
    try {
        Memo1->forEachLineContaining(u"Villager",
                                     [&count](QStringView line) { addVillagerLine(line, count); });
    } catch (const ConvertError&) {
        setVillagerCount(count, VillagerBox::LeaveAsItWas);
        throw;
    }
    setVillagerCount(count);
}
