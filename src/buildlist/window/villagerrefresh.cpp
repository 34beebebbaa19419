// The villager tally's Refresh: recounts the build list.
#include "app/window/buildlisttextedit.h"
#include "app/window/mainwindow.h"
#include "app/window/textbox.h"
#include "buildlist/villagers.h"
#include "model/errors.h"

void MainWindow::recountVillagers()
{
    int count = 0;
    try {
        textArea->forEachLineContaining(u"Villager",
                                        [&count](QStringView line) { addVillagerLine(line, count); });
    } catch (const ConvertError&) {
        setVillagerCount(count, VillagerBox::LeaveAsItWas);
        throw;
    }
    setVillagerCount(count);
}
