#include "buildlist/villagers.h"
#include "app/application.h"
#include "app/tform1.h"
#include "app/tmemo.h"
#include "app/tstatusbar.h"
#include "buildlist/lineformat.h"

#include "app/tedit.h"

bool isVillagerLine(QStringView line)
{
    return !isCommentLine(line) && line.contains(QLatin1String("Villager"));
}

void addVillagerLine(QStringView line, int& total)
{
    if (isVillagerLine(line))
        total += readQuantity(line);
}

void TForm1::cmdVillCountRefreshClick()
{
    if (panel(PanelMode) == QLatin1String("Lines"))
        copyListToText();
    villagerCount = 0;
    Memo1->forEachLineContaining(u"Villager", [this](QStringView line) { addVillagerLine(line, villagerCount); });
    showVillagerCount();
}
