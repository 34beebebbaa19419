#include "buildlist/lineformat.h"
#include "model/errors.h"

namespace {

const QString kSixBlanks = QStringLiteral("      ");
const QString kFourBlanks = QStringLiteral("    ");
const QString kSevenBlanks = QStringLiteral("       ");

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Blanks after a text in a column that is one character wide and may take
// a second: the column after it keeps its place.
QString blanksAfter(const QString& text, int blanks)
{
    return QString(qMax(1, blanks - (int(text.size()) - 1)), QLatin1Char(' '));
}

} // namespace

QChar kindLetter(Category category, bool boxTicked)
{
    switch (category) {
    case Category::Units: return QLatin1Char(boxTicked ? 'T' : 'U');
    case Category::Buildings: return QLatin1Char(boxTicked ? 'A' : 'B');
    case Category::Research: break;
    }
    return QLatin1Char(boxTicked ? 'C' : 'R');
}

bool hasLimitColumn(QChar kind)
{
    return kind == QLatin1Char('T') || kind == QLatin1Char('A');
}

QString composeItemLine(QChar kind, const CatalogEntry& entry, const QString& quantity,
                        const QString& limit)
{
    QString line;
    line.reserve(kLineLength);
    line += kind;
    line += entry.objectNumber;
    line += kSixBlanks;
    line += entry.aiName;
    line += kFourBlanks;
    line += quantity;
    line += blanksAfter(quantity, 6);
    line += entry.buildingNumber;
    const bool research = kind == QLatin1Char('R') || kind == QLatin1Char('C');
    if (research) {
        line += kSevenBlanks;
    } else if (hasLimitColumn(kind)) {
        line += QString(limit.size() >= 2 ? 5 : 6, QLatin1Char(' '));
        line += limit;
    } else {
        line += kSixBlanks;
        line += QLatin1Char(' ');
    }
    return line;
}

void requireColumnNumber(const QString& text)
{
    const bool ok = (text.size() == 1 || text.size() == 2) && isDigit(text.at(0))
                    && (text.size() == 1 || isDigit(text.at(1)));
    if (!ok)
        throw ConvertError(text);
}

QString quantityText(QStringView line)
{
    if (line.size() <= kQuantityColumn)
        return QString();
    const bool twoDigits = line.size() > kQuantityColumn + 1 && isDigit(line.at(kQuantityColumn))
                           && isDigit(line.at(kQuantityColumn + 1));
    return line.mid(kQuantityColumn, twoDigits ? 2 : 1).toString();
}

int readQuantity(QStringView line)
{
    const QString text = quantityText(line);
    // The common case, one or two digits, needs no general conversion.
    if (text.size() == 1 && isDigit(text.at(0)))
        return text.at(0).unicode() - '0';
    return StrToInt(text);
}

bool isCommentLine(QStringView line)
{
    return line.startsWith(QLatin1Char('/'));
}

QString normalizeLineName(const Catalog& catalog, const QString& line)
{
    if (line.size() <= 30 || isCommentLine(line))
        return line;
    Category category;
    switch (line.at(0).unicode()) {
    case 'B': case 'A': category = Category::Buildings; break;
    case 'U': case 'T': category = Category::Units; break;
    case 'R': case 'C': category = Category::Research; break;
    default: return line;
    }
    const CatalogEntry* entry = catalog.findByObjectNumber(category, QStringView(line).mid(1, 3));
    if (!entry)
        return line;
    // A line that already carries the name keeps its own text.
    const QStringView nameColumns = QStringView(line).mid(4, kQuantityColumn - 4);
    if (nameColumns.startsWith(kSixBlanks) && nameColumns.mid(6, 17) == entry->aiName
        && nameColumns.mid(23) == kFourBlanks)
        return line;
    return line.left(4) + kSixBlanks + entry->aiName + kFourBlanks + line.mid(kQuantityColumn);
}

void NormalizeLineNames(const Catalog& catalog, QStringList& lines)
{
    for (QString& line : lines)
        line = normalizeLineName(catalog, line);
}
