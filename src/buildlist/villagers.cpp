#include "buildlist/villagers.h"
#include "app/application.h"
#include "app/tform1.h"
#include "app/tmemo.h"
#include "app/tstatusbar.h"
#include "buildlist/lineformat.h"

#include <QLineEdit>

bool isVillagerLine(const QString& line)
{
    return !isCommentLine(line) && line.contains(QLatin1String("Villager"));
}

void addVillagerLines(const QStringList& lines, int& total)
{
    for (const QString& line : lines)
        if (isVillagerLine(line))
            total += readQuantity(line);
}

void TForm1::cmdVillCountRefreshClick()
{
    if (panel(PanelMode) == QLatin1String("Lines"))
        copyListToText();
    villagerCount = 0;
    addVillagerLines(Memo1->lines(), villagerCount);
    showVillagerCount();
}
