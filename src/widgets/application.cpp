#include "widgets/application.h"
#include "model/errors.h"

void Application::showException(const std::exception& error, QWidget* parent)
{
    const auto* toolkit = dynamic_cast<const ToolkitError*>(&error);
    const QString message = toolkit ? toolkit->message() : QString::fromLocal8Bit(error.what());
    dialogs_.messageBox(parent, message + QLatin1Char('.'), title(), MsgButtons::OK, MsgIcon::Stop,
                        MsgResult::OK);
}

void Application::reportSafely(const std::exception& error) noexcept
{
    try {
        showException(error);
    } catch (...) {
        // The report itself failed; there is nobody left to tell.
    }
}

void Application::helpCommand(int command, int data)
{
    dialogs_.showHelp(helpFile, command, data);
}

void Application::terminate()
{
    terminated_ = true;
    emit terminating();
}
