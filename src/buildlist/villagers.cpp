#include "buildlist/villagers.h"
#include "buildlist/lineformat.h"

bool isVillagerLine(QStringView line)
{
    return !isCommentLine(line) && line.contains(QLatin1String("Villager"));
}

void addVillagerLine(QStringView line, int& total)
{
    if (isVillagerLine(line))
        total += readQuantity(line);
}
