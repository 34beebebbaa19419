#pragma once

#include <memory>

class HelpMenu;
class TApplication;
class TForm1;
class TCheckOrder;
class TForm2;

// The program's windows, created in their fixed order: the main window
// (which fills the catalog) with its Help menu and About box, the Count
// window (which reads the catalog), then the Check Order window.
struct Windows {
    std::unique_ptr<TForm1> Form1;
    HelpMenu* Help = nullptr; // the main window's own
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TCheckOrder> CheckOrder;
    Windows();
    Windows(Windows&&) noexcept;
    Windows& operator=(Windows&&) noexcept;
    ~Windows();
};

Windows createWindows(TApplication& app);

// The whole run: start-up, the message loop, the end. Returns 0.
int runProgram(int argc, char** argv);
