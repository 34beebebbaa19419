#include "buildlist/ordercheck.h"
#include "buildlist/availability.h"
#include "buildlist/lineformat.h"
#include "buildlist/textsearch.h"

#include <QHash>
#include <QVarLengthArray>
#include <algorithm>
#include <vector>

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

// A problem's message: the item, then each reason once.
class Message {
public:
    explicit Message(const QString& item) : text_(item) {}
    // Says the reason, unless one about the same requirement (by the name
    // the user knows) was already said.
    void say(const QString& reason, const QString& about = QString())
    {
        if (!about.isEmpty()) {
            if (said_.contains(about))
                return;
            said_.append(about);
        }
        text_ += (reasons_++ == 0 ? QStringLiteral(" ") : QStringLiteral("; ")) + reason;
    }
    QString text() const { return text_; }

private:
    QString text_;
    QStringList said_;
    int reasons_ = 0;
};

bool isStartingPoint(const CatalogEntry* entry, Category category, int index)
{
    return index == 0 && category == Category::Buildings
           && entry->aiName.trimmed() == QLatin1String("TownCenter");
}

// The check in its steps: gather the item lines and the texts each needs,
// find each text's first occurrence in one search, then judge each line
// by where its texts first occur.
class OrderCheck {
public:
    OrderCheck(const Catalog& catalog, const QStringList& lines, const QVector<int>& numbers)
        : catalog_(catalog), lines_(lines), numbers_(numbers)
    {
    }

    QVector<OrderProblem> run()
    {
        gatherItemLines();
        if (checked_.isEmpty())
            return {};
        ends_ = MultiTextSearch(needles_).firstEnds(lines_);
        starts_ = lineStarts(lines_);
        lineOfNeedle_.assign(std::size_t(needles_.size()), -1);
        QVector<OrderProblem> problems;
        for (const Checked& c : std::as_const(checked_))
            if (const QString* message = judge(c))
                problems.append({numberOf(c.index), *message});
        return problems;
    }

private:
    // Where a requirement text first occurs, from a line's point of view.
    enum Verdict { Above, Nowhere, Later, OwnLine };

    // A catalog entry that lines name; its texts are searched once,
    // however many lines name it.
    struct Named {
        AvailabilityTexts texts;
        int firstNeedle; // its building, two requirements and own withheld text follow
        QString item; // as the user knows it
        bool research;
        QVarLengthArray<std::pair<int, QString>, 2> messages; // by what they say
    };
    struct Checked {
        int index;
        int slot;
    };

    void gatherItemLines()
    {
        // Slots by the entry's place in the catalog, which keeps each table
        // in one array: cheaper than hashing every line's entry.
        const int firstOf[3] = {0, catalog_.rowCount(Category::Units),
                                catalog_.rowCount(Category::Units) + catalog_.rowCount(Category::Buildings)};
        std::vector<int> slotOf(std::size_t(firstOf[2] + catalog_.rowCount(Category::Research)), -1);
        checked_.reserve(lines_.size());
        for (int i = 0; i < lines_.size(); ++i) {
            Category category;
            const CatalogEntry* entry = itemOfLine(catalog_, lines_.at(i), &category);
            if (!entry || isStartingPoint(entry, category, i))
                continue;
            int& slot = slotOf[std::size_t(firstOf[int(category)] + (entry - &catalog_.row(category, 0)))];
            if (slot < 0) {
                const AvailabilityTexts texts = availabilityTexts(*entry, category);
                slot = int(named_.size());
                named_.push_back(Named{texts,
                                       int(needles_.size()),
                                       entry->displayName.trimmed(),
                                       category == Category::Research,
                                       {}});
                needles_ << texts.building << texts.requirement1 << texts.requirement2 << texts.withheld;
            }
            checked_.append({i, slot});
        }
    }

    // The line (from 0) of a text's first occurrence, placed once.
    int firstLineOf(int needle)
    {
        int& line = lineOfNeedle_[std::size_t(needle)];
        if (line < 0)
            line = lineAt(starts_, ends_.at(needle) - needles_.at(needle).size());
        return line;
    }

    // A line (from 0) as the user counts it.
    int numberOf(int index) const { return numbers_.value(index, index + 1); }

    // Each requirement named once, however many lines miss it.
    const QString& nameOf(const QString& text)
    {
        auto at = names_.find(text);
        if (at == names_.end())
            at = names_.insert(text, knownName(catalog_, text));
        return at.value();
    }

    // The message of a line, or nothing when the line is sound. Lines of
    // one item that miss the same things share one message.
    const QString* judge(const Checked& c)
    {
        Named& n = named_[std::size_t(c.slot)];
        const qsizetype above = starts_.at(c.index); // the text of the lines above ends here
        auto isAbove = [&](int k) {
            const qsizetype end = ends_.at(n.firstNeedle + k);
            return end >= 0 && end <= above;
        };
        const bool repeated = n.research && isAbove(3);
        if (isAbove(0) && isAbove(1) && isAbove(2) && !repeated)
            return nullptr; // the common case: sound, and nothing to say
        auto verdict = [&](int k) {
            if (isAbove(k))
                return Above;
            if (ends_.at(n.firstNeedle + k) < 0)
                return Nowhere;
            return firstLineOf(n.firstNeedle + k) > c.index ? Later : OwnLine;
        };
        const Verdict verdicts[3] = {verdict(0), verdict(1), verdict(2)};
        const int key = verdicts[0] | verdicts[1] << 2 | verdicts[2] << 4 | int(repeated) << 6;
        auto known =
            std::find_if(n.messages.begin(), n.messages.end(), [&](const auto& m) { return m.first == key; });
        if (known == n.messages.end()) {
            n.messages.append({key, describe(n, verdicts, repeated)});
            known = n.messages.end() - 1;
        }
        return &known->second;
    }

    QString describe(const Named& n, const Verdict* verdicts, bool repeated)
    {
        Message message(n.item);
        const QString* needed[3] = {&n.texts.building, &n.texts.requirement1, &n.texts.requirement2};
        for (int k = 0; k < 3; ++k) {
            if (verdicts[k] == Above)
                continue;
            if (needed[k]->trimmed().isEmpty()) {
                message.say(QStringLiteral("needs a line above it"));
                continue;
            }
            const QString& name = nameOf(*needed[k]);
            switch (verdicts[k]) {
            case Nowhere:
                message.say(QStringLiteral("needs %1, which is nowhere in the list").arg(name), name);
                break;
            case Later:
                message.say(QStringLiteral("needs %1, which comes later, at line %2: move it up")
                                .arg(name, QString::number(numberOf(firstLineOf(n.firstNeedle + k)))),
                            name);
                break;
            default:
                message.say(QStringLiteral("needs %1 above it").arg(name), name); // only its own line has it
            }
        }
        if (repeated)
            message.say(QStringLiteral("is already researched at line %1")
                            .arg(numberOf(firstLineOf(n.firstNeedle + 3))));
        return message.text();
    }

    const Catalog& catalog_;
    const QStringList& lines_;
    const QVector<int>& numbers_;
    std::vector<Named> named_;
    QStringList needles_;
    QVector<Checked> checked_;
    QVector<qsizetype> ends_;
    QVector<qsizetype> starts_;
    std::vector<int> lineOfNeedle_;
    QHash<QString, QString> names_;
};

} // namespace

QVector<OrderProblem> checkOrder(const Catalog& catalog, const QStringList& lines,
                                 const QVector<int>& numbers)
{
    return OrderCheck(catalog, lines, numbers).run();
}
