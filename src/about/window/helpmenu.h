#pragma once

#include <QObject>

class AboutBox;
class QAction;
class QWidget;
class Application;

// The Help menu's two commands: Help, the help document's contents, and
// About, the About box over the window. Made with the menu's actions, it
// answers them itself.
class HelpMenu : public QObject {
    Q_OBJECT
public:
    HelpMenu(Application& app, QWidget* window, QAction* help, QAction* about);

    void showHelp();
    void showAbout();

private:
    Application& app_;
    AboutBox* aboutBox_;
};
