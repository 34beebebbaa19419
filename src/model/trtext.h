#pragma once

#include <QCoreApplication>
#include <QString>
#include <utility>

// A text the user reads, kept as its source and translated each time it
// is used, so that a table of texts can be written once at file scope.
// Write the source with QT_TRANSLATE_NOOP for the translation tools.
class TrText {
public:
    constexpr TrText(const char* context, const char* source) : context_(context), source_(source) {}

    QString text() const { return QCoreApplication::translate(context_, source_); }
    operator QString() const { return text(); }
    template <class... Args> QString arg(Args&&... args) const
    {
        return text().arg(std::forward<Args>(args)...);
    }
    friend bool operator==(const QString& a, const TrText& b) { return a == b.text(); }

private:
    const char* context_;
    const char* source_;
};
