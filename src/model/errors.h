#pragma once

#include <QCoreApplication>
#include <QString>
#include <stdexcept>

// Errors that no handler catches. They end the handler where they are raised
// and reach the user through the application's standard error report; their
// messages are translated as they are raised.
class ToolkitError : public std::runtime_error {
public:
    explicit ToolkitError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message)
    {
    }
    const QString& message() const { return message_; }

private:
    QString message_;
};

// A text that is not a decimal integer.
class ConvertError : public ToolkitError {
public:
    explicit ConvertError(const QString& text)
        : ToolkitError(
            QCoreApplication::translate("ToolkitError", "'%1' is not a valid integer value").arg(text))
    {
    }
};

// A list index that does not exist.
class ListIndexError : public ToolkitError {
public:
    ListIndexError() : ToolkitError(QCoreApplication::translate("ToolkitError", "List index out of bounds"))
    {
    }
};

// A file that cannot be created or written.
class FileCreateError : public ToolkitError {
public:
    explicit FileCreateError(const QString& path)
        : ToolkitError(QCoreApplication::translate("ToolkitError", "Cannot create file %1").arg(path))
    {
    }
};

// Text to integer as the toolkit converts it: optional blanks around an
// optional sign and decimal digits; anything else fails with ConvertError.
int StrToInt(const QString& text);
// Integer to decimal text.
QString IntToStr(int value);
