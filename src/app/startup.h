#pragma once

#include <memory>

class TAboutBox;
class TApplication;
class TForm1;
class TForm2;

// The program's three windows, created in their fixed order: the main
// window (which fills the catalog), the About box, then the Count window
// (which reads the catalog).
struct Windows {
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<TForm2> Form2;
    Windows();
    Windows(Windows&&) noexcept;
    Windows& operator=(Windows&&) noexcept;
    ~Windows();
};

Windows createWindows(TApplication& app);

// The whole run: start-up, the message loop, the end. Returns 0.
int runProgram(int argc, char** argv);
