#pragma once

#include <QRegularExpression>
#include <QStringList>
#include <QTest>

// Lines that come from the headless test platform rather than from the
// program: the offscreen platform says so whenever a window asks it for
// something it cannot do. This is the one list of them.
inline const QStringList& platformWarnings()
{
    static const QStringList lines = {
        QStringLiteral("This plugin does not support raise()"),
        QStringLiteral("This plugin does not support propagateSizeHints()"),
        QStringLiteral("This plugin does not support grabbing the keyboard"),
    };
    return lines;
}

// Every suite calls this from init(): any other Qt warning then fails the
// running test, unless the test announced it with QTest::ignoreMessage.
inline void failOnUnexpectedWarnings()
{
    QStringList known;
    for (const QString& line : platformWarnings())
        known.append(QRegularExpression::escape(line));
    QTest::failOnWarning(
        QRegularExpression(QStringLiteral("^(?!(?:%1)$).*").arg(known.join(QLatin1Char('|'))),
                           QRegularExpression::DotMatchesEverythingOption));
}
