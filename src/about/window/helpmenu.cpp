#include "about/window/helpmenu.h"

#include "about/window/aboutbox.h"
#include "widgets/application.h"

#include <QAction>

HelpMenu::HelpMenu(Application& app, QWidget* window, QAction* help, QAction* about)
    : QObject(window), app_(app), aboutBox_(new AboutBox(window))
{
    connect(help, &QAction::triggered, this, app_.guarded(this, &HelpMenu::showHelp));
    // Once the menu has closed, as the box is modal.
    connect(about, &QAction::triggered, this, app_.guarded(this, &HelpMenu::showAbout), Qt::QueuedConnection);
}

void HelpMenu::showHelp()
{
    constexpr int kHelpContents = 3;
    app_.helpCommand(kHelpContents, 0);
}

void HelpMenu::showAbout()
{
    app_.dialogs().execModal(aboutBox_);
}
