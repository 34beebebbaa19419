#include "buildlist/lineformat.h"
#include "model/errors.h"

namespace {

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

// The blanks between the columns of an item line.
constexpr int kBeforeName = kNameColumn - (kNumberColumn + kNumberWidth);
constexpr int kAfterName = kQuantityColumn - (kNameColumn + kNameWidth);
constexpr int kAfterQuantity = kBuildingColumn - (kQuantityColumn + 1);
constexpr int kAfterBuilding = kLimitColumn - (kBuildingColumn + kBuildingWidth);
constexpr int kResearchEnd = kLineLength - (kBuildingColumn + kBuildingWidth);
const QString kGapBeforeName = blanks(kBeforeName);
const QString kGapAfterName = blanks(kAfterName);

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

QString composeItemLine(QChar kind, const CatalogEntry& entry, const QString& quantity, const QString& limit)
{
    QString line;
    line.reserve(kLineLength);
    line += kind;
    line += entry.objectNumber;
    line += kGapBeforeName;
    line += entry.aiName;
    line += kGapAfterName;
    line += quantity;
    line += blanksAfter(quantity, kAfterQuantity);
    line += entry.buildingNumber;
    const bool research = kind == QLatin1Char('R') || kind == QLatin1Char('C');
    if (research) {
        line += blanks(kResearchEnd);
    } else if (hasLimitColumn(kind)) {
        // A two-digit limit starts a column early and ends the line.
        line += blanks(limit.size() >= 2 ? kAfterBuilding - 1 : kAfterBuilding);
        line += limit;
    } else {
        line += blanks(kAfterBuilding + 1);
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
    // The common cases, one or two digits, need no general conversion nor
    // a text of their own.
    if (line.size() > kQuantityColumn && isDigit(line.at(kQuantityColumn))) {
        const int first = line.at(kQuantityColumn).unicode() - '0';
        if (line.size() > kQuantityColumn + 1 && isDigit(line.at(kQuantityColumn + 1)))
            return first * 10 + (line.at(kQuantityColumn + 1).unicode() - '0');
        return first;
    }
    return StrToInt(quantityText(line));
}

QString normalizeLineName(const Catalog& catalog, const QString& line)
{
    const CatalogEntry* entry = itemOfLine(catalog, line);
    if (!entry)
        return line;
    // The columns between the number and the quantity: the name and its gaps.
    constexpr int kNameArea = kNumberColumn + kNumberWidth;
    // A line that already carries the name keeps its own text; it is told
    // without making the named text, as most lines do carry it.
    const QStringView area = QStringView(line).mid(kNameArea, kQuantityColumn - kNameArea);
    const qsizetype gaps = kGapBeforeName.size() + kGapAfterName.size();
    if (area.size() == gaps + entry->aiName.size() && area.startsWith(kGapBeforeName)
        && area.endsWith(kGapAfterName)
        && area.mid(kGapBeforeName.size(), entry->aiName.size()) == entry->aiName)
        return line;
    return line.left(kNameArea) + kGapBeforeName + entry->aiName + kGapAfterName + line.mid(kQuantityColumn);
}

void NormalizeLineNames(const Catalog& catalog, QStringList& lines)
{
    for (QString& line : lines)
        line = normalizeLineName(catalog, line);
}
