#pragma once

#include <memory>

class Application;
class MainWindow;
class CheckOrderWindow;
class CountWindow;

// The program's windows, created in their fixed order: the main window
// (which fills the catalog) with its Help menu and About box, the Count
// window (which reads the catalog), then the Check Order window.
struct Windows {
    std::unique_ptr<MainWindow> mainWindow;
    std::unique_ptr<CountWindow> countWindow;
    std::unique_ptr<CheckOrderWindow> checkOrderWindow;
    Windows();
    Windows(Windows&&) noexcept;
    Windows& operator=(Windows&&) noexcept;
    ~Windows();
};

Windows createWindows(Application& app);

// The whole run: start-up, the message loop, the end. Returns 0.
int runProgram(int argc, char** argv);
