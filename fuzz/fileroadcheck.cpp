#include "fileroadcheck.h"

#include "buildlist/lineformat.h"
#include "buildlist/villagers.h"
#include "editing/textcopy.h"
#include "files/filebytes.h"
#include "files/openroad.h"
#include "files/widthfixup.h"
#include "model/errors.h"

namespace {

const Catalog& catalog()
{
    static const Catalog filled = [] {
        Catalog c;
        c.fill();
        return c;
    }();
    return filled;
}

bool onlyBlanks(QStringView s)
{
    for (QChar c : s)
        if (c != QLatin1Char(' '))
            return false;
    return true;
}

// A file of 48-character lines, each ended by CR LF.
bool isPlainFile(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return false;
    for (qsizetype pos = 0; pos < bytes.size();) {
        const qsizetype end = bytes.indexOf("\r\n", pos);
        if (end < 0)
            return false;
        const QByteArray line = bytes.mid(pos, end - pos);
        if (line.size() != kLineLength || line.contains('\r') || line.contains('\n'))
            return false;
        pos = end + 2;
    }
    return true;
}

} // namespace

QString checkFileRoad(const QByteArray& bytes)
{
    // Open refuses these before anything is read into the text area.
    if (bytes.size() > kMaxFileSize || bytes.contains('\0'))
        return {};

    const QString text = QString::fromLatin1(bytes);
    if (text.toLatin1() != bytes)
        return QStringLiteral("a byte did not survive as a character");

    const OpenedText opened = prepareOpenedText(text, catalog());
    if (opened.hasTab != bytes.contains('\t'))
        return QStringLiteral("the tab check answered wrongly");
    if (opened.hasTab)
        return {};

    const QStringList raw = splitLines(text);
    const QStringList fixed = fixLineWidths(raw);
    if (fixed.size() != opened.lines.size())
        return QStringLiteral("the names changed the number of lines");
    for (int i = 0; i < fixed.size(); ++i) {
        const QString& before = fixed[i];
        const QString& after = opened.lines[i];
        if (after.size() != kLineLength)
            return QStringLiteral("line %1 is %2 characters wide").arg(i).arg(after.size());
        if (before.left(4) != after.left(4) || before.mid(kQuantityColumn) != after.mid(kQuantityColumn))
            return QStringLiteral("the names changed line %1 outside columns 4 to 30").arg(i);
    }

    // Every line is kept, padded or cut; a long comment goes on in "//"
    // lines that carry all of its characters in order.
    int j = 0;
    for (const QString& line : raw) {
        if (j >= fixed.size())
            return QStringLiteral("lines went missing");
        if (line.size() <= kLineLength) {
            if (fixed[j++] != line.leftJustified(kLineLength))
                return QStringLiteral("a short line was not padded");
            continue;
        }
        if (!line.startsWith(QLatin1Char('/'))) {
            if (fixed[j++] != line.left(kLineLength))
                return QStringLiteral("a long item line was not cut at 48");
            continue;
        }
        QString rebuilt = fixed[j++];
        while (rebuilt.size() < line.size()) {
            if (j >= fixed.size() || !fixed[j].startsWith(QLatin1String("//")))
                return QStringLiteral("a long comment lost its continuation");
            rebuilt += fixed[j++].mid(2);
        }
        if (!rebuilt.startsWith(line) || !onlyBlanks(QStringView(rebuilt).mid(line.size())))
            return QStringLiteral("a long comment lost characters");
    }
    if (j != fixed.size())
        return QStringLiteral("lines were added");

    if (isPlainFile(bytes) && joinLines(fixed).toLatin1() != bytes)
        return QStringLiteral("a file of 48-character lines did not come out byte for byte");

    // The recount may stop at a quantity that is not a number, and only so.
    int villagers = 0;
    try {
        for (const QString& line : opened.lines)
            addVillagerLine(line, villagers);
    } catch (const ConvertError&) {
    }
    return {};
}
