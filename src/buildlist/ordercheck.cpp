#include "buildlist/ordercheck.h"
#include "buildlist/availability.h"
#include "buildlist/lineformat.h"
#include "buildlist/textsearch.h"

#include <QHash>
#include <QVarLengthArray>
#include <algorithm>
#include <unordered_map>

namespace {

// A requirement text as the user knows it, where the catalog can tell:
// "B87" is the building numbered 87, "Age_Tool" the research item whose AI
// name holds it; anything else is quoted as it stands.
QString knownName(const Catalog& catalog, const QString& text)
{
    const QString wanted = text.trimmed();
    if (wanted.size() > 1 && (wanted.startsWith(QLatin1Char('B')) || wanted.startsWith(QLatin1Char('A')))) {
        const QString number = wanted.mid(1).leftJustified(kNumberWidth, QLatin1Char(' '));
        if (const CatalogEntry* building = catalog.findByObjectNumber(Category::Buildings, number))
            return building->displayName.trimmed();
    }
    for (Category category : {Category::Research, Category::Buildings, Category::Units}) {
        for (int row = 0; row < catalog.rowCount(category); ++row) {
            const CatalogEntry& entry = catalog.row(category, row);
            const QString ai = entry.aiName.trimmed();
            if (ai == wanted || ai == QLatin1String("R_") + wanted)
                return entry.displayName.trimmed();
        }
    }
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Where each line starts in the text of all lines joined by CR LF.
QVector<qsizetype> lineStarts(const QStringList& lines)
{
    QVector<qsizetype> starts;
    starts.reserve(lines.size() + 1);
    qsizetype at = 0;
    for (const QString& line : lines) {
        starts.append(at);
        at += line.size() + 2;
    }
    starts.append(at);
    return starts;
}

// The line (from 0) that holds the given offset.
int lineAt(const QVector<qsizetype>& starts, qsizetype offset)
{
    return int(std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin()) - 1;
}

bool isStartingPoint(const CatalogEntry* entry, Category category, int index)
{
    return index == 0 && category == Category::Buildings
           && entry->aiName.trimmed() == QLatin1String("TownCenter");
}

} // namespace

QVector<OrderProblem> checkOrder(const Catalog& catalog, const QStringList& lines)
{
    // The texts are searched once per catalog entry named, however many
    // lines name it.
    struct Named {
        AvailabilityTexts texts;
        int firstNeedle;
    };
    // std::unordered_map keeps its values in place as it grows.
    std::unordered_map<const CatalogEntry*, Named> named;
    QStringList needles;
    struct Checked {
        int index;
        const CatalogEntry* entry;
        const Named* named;
        bool research;
    };
    QVector<Checked> checked;
    for (int i = 0; i < lines.size(); ++i) {
        Category category;
        const CatalogEntry* entry = itemOfLine(catalog, lines.at(i), &category);
        if (!entry || isStartingPoint(entry, category, i))
            continue;
        auto at = named.find(entry);
        if (at == named.end()) {
            const AvailabilityTexts texts = availabilityTexts(*entry, category);
            at = named.emplace(entry, Named{texts, int(needles.size())}).first;
            needles << texts.building << texts.requirement1 << texts.requirement2 << texts.withheld;
        }
        checked.append({i, entry, &at->second, category == Category::Research});
    }
    if (checked.isEmpty())
        return {};

    const QVector<qsizetype> ends = MultiTextSearch(needles).firstEnds(lines);
    const QVector<qsizetype> starts = lineStarts(lines);

    // Each requirement named once, however many lines miss it.
    QHash<QString, QString> names;
    auto nameOf = [&](const QString& text) -> const QString& {
        auto at = names.find(text);
        if (at == names.end())
            at = names.insert(text, knownName(catalog, text));
        return at.value();
    };

    QVector<OrderProblem> problems;
    QString reason;
    for (const Checked& c : std::as_const(checked)) {
        const Named& n = *c.named;
        const qsizetype above = starts.at(c.index); // the text of the lines above ends here
        auto isAbove = [&](int k) {
            const qsizetype end = ends.at(n.firstNeedle + k);
            return end >= 0 && end <= above;
        };
        const bool repeated = c.research && isAbove(3);
        if (isAbove(0) && isAbove(1) && isAbove(2) && !repeated)
            continue; // the common case: sound, and nothing to say
        QString message = c.entry->displayName.trimmed();
        QVarLengthArray<QString, 4> said; // a requirement named twice is said once
        auto say = [&](const QString& text) {
            if (std::find(said.begin(), said.end(), text) != said.end())
                return;
            message += said.isEmpty() ? QStringLiteral(" ") : QStringLiteral("; ");
            message += text;
            said.append(text);
        };
        const QString* needed[3] = {&n.texts.building, &n.texts.requirement1, &n.texts.requirement2};
        for (int k = 0; k < 3; ++k) {
            if (isAbove(k))
                continue;
            const qsizetype end = ends.at(n.firstNeedle + k);
            if (needed[k]->trimmed().isEmpty()) {
                say(QStringLiteral("needs a line above it"));
                continue;
            }
            const QString& name = nameOf(*needed[k]);
            if (end < 0) {
                say(QStringLiteral("needs ") + name + QStringLiteral(", which is nowhere in the list"));
            } else if (const int where = lineAt(starts, end - needed[k]->size()); where > c.index) {
                say(QStringLiteral("needs ") + name + QStringLiteral(", which comes later, at line ")
                    + QString::number(where + 1) + QStringLiteral(": move it up"));
            } else {
                say(QStringLiteral("needs ") + name + QStringLiteral(" above it")); // only its own line has it
            }
        }
        if (repeated) {
            const qsizetype repeat = ends.at(n.firstNeedle + 3);
            const int first = lineAt(starts, repeat - n.texts.withheld.size()) + 1;
            say(QStringLiteral("is already researched at line ") + QString::number(first));
        }
        problems.append({c.index + 1, message});
    }
    return problems;
}
