#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The program's own translation and Qt's, for the first of the user's
// languages that has one (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG, as
// QLocale reads them). Loaded once, before any application object exists;
// installed into each application the program makes, so that the command
// line and the window speak the same language.
class Translations {
public:
    Translations(const QLocale& locale, const QString& ownFolder, const QString& qtFolder);
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Into the running application; a translation that was not found is
    // left out, and the texts stay English.
    void install();
    // The language the program's own texts are shown in ("de"), or empty
    // for the English of its sources.
    QString language() const { return language_; }

private:
    QTranslator own_;
    QTranslator qt_;
    QString language_;
};
