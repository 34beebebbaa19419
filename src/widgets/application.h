#pragma once

#include "model/errors.h"
#include "widgets/dialogservice.h"
#include <QObject>
#include <QString>
#include <exception>
#include <functional>
#include <utility>

class QWidget;

// The program's application object: its title, its help file, the dialog
// service, the standard error report and the end of the message loop.
class Application : public QObject {
    Q_OBJECT
public:
    explicit Application(DialogService& dialogs) : dialogs_(dialogs) {}

    // The title of the program's own messages, in the user's language.
    QString title() const { return tr("QZ Vex AI File Editor"); }
    QString helpFile = QStringLiteral("Vexdit.hlp");

    DialogService& dialogs() const { return dialogs_; }

    // The standard error report: the message and a full stop, under the
    // application title, with an OK button and the stop icon.
    void showException(const std::exception& error, QWidget* parent = nullptr);

    // Runs one event handler. Whatever it throws ends the handler there and
    // is reported; the program goes on.
    template <class F> void guard(F&& handler) noexcept
    {
        try {
            handler();
        } catch (const std::exception& error) {
            reportSafely(error);
        } catch (...) {
            reportSafely(ToolkitError(tr("Unknown error")));
        }
    }

    // A window's handler as an event's callback, entering through the guard.
    // A handler without parameters takes none of the event's arguments.
    template <class Window, class... Args> auto guarded(Window* window, void (Window::*handler)(Args...))
    {
        if constexpr (sizeof...(Args) == 0)
            return [this, window, handler] { guard([&] { (window->*handler)(); }); };
        else
            return [this, window, handler](Args... args) {
                guard([&] { (window->*handler)(std::forward<Args>(args)...); });
            };
    }

    // The help command handed to the help viewer without waiting.
    void helpCommand(int command, int data);

    // Ends the run: the program's loop ends on `terminating`; tests read
    // terminated().
    void terminate();
    bool terminated() const { return terminated_; }

signals:
    void terminating();

private:
    void reportSafely(const std::exception& error) noexcept;

    DialogService& dialogs_;
    bool terminated_ = false;
};
