#include "language/translations.h"

#include <QCoreApplication>

Translations::Translations(const QLocale& locale, const QString& ownFolder, const QString& qtFolder)
{
    if (own_.load(locale, QStringLiteral("vexdit"), QStringLiteral("_"), ownFolder))
        language_ = own_.language();
    // Qt's dialogs only in the language the program's own texts are in:
    // German buttons under English questions would name buttons the
    // question does not.
    if (!language_.isEmpty())
        (void)qt_.load(QLocale(language_), QStringLiteral("qtbase"), QStringLiteral("_"), qtFolder);
}

void Translations::install()
{
    if (!own_.isEmpty())
        QCoreApplication::installTranslator(&own_);
    if (!qt_.isEmpty())
        QCoreApplication::installTranslator(&qt_);
}
