#include "buildlist/ordercheck.h"
#include "buildlist/availability.h"
#include "buildlist/lineformat.h"
#include "buildlist/textsearch.h"

#include <QCoreApplication>
#include <QHash>
#include <QVarLengthArray>
#include <algorithm>
#include <limits>
#include <memory>
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

// The line (from 0) that holds the given offset.
int lineAt(const std::vector<qsizetype>& starts, qsizetype offset)
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

// The lines searched for every text of the catalog before the search
// narrows to the texts the list's items need.
constexpr int kWalkedLines = 2048;

// The search for a catalog's texts, made once: a catalog never changes.
const MultiTextSearch& searchFor(const QStringList& texts)
{
    thread_local QStringList madeFor;
    thread_local std::unique_ptr<MultiTextSearch> made;
    if (!made || madeFor != texts) {
        made = std::make_unique<MultiTextSearch>(texts);
        madeFor = texts;
    }
    return *made;
}

// The Town Center that starts the list: only comments, which take no part
// in the order, may stand above it.
bool isStartingPoint(const CatalogEntry* entry, Category category, bool firstNonComment)
{
    return firstNonComment && category == Category::Buildings
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
        readLines();
        if (checked_.empty())
            return {};
        lineOfNeedle_.assign(std::size_t(needles_.size()), -1);
        for (Named& n : named_)
            settleBounds(n);
        QVector<OrderProblem> problems;
        for (const Checked& c : checked_) {
            const Named& n = named_[std::size_t(c.slot)];
            if (c.above >= n.soundFrom && c.above < n.repeatedFrom)
                continue; // the common case: sound, and nothing to say
            problems.append({numberOf(c.index), judge(c)});
        }
        return problems;
    }

private:
    // Where a requirement text first occurs, from a line's point of view.
    enum Verdict { Above, Nowhere, Later, OwnLine };

    // A catalog entry that lines name; its texts are searched once,
    // however many lines name it.
    struct Named {
        int firstNeedle; // its building, two requirements and own withheld text follow
        QString item; // as the user knows it
        bool research;
        QVarLengthArray<std::pair<int, QString>, 2> messages; // by what they say
        // A line is sound when the text above it ends within [soundFrom, repeatedFrom).
        qsizetype soundFrom = 0;
        qsizetype repeatedFrom = 0;
    };
    struct Checked {
        int index;
        int slot;
        qsizetype above; // the text of the lines above it ends here
    };

    // One visit to each line: note where it starts, which item it names,
    // and search it for the first occurrences of the catalog's texts.
    void readLines()
    {
        for (Category category : {Category::Units, Category::Buildings, Category::Research}) {
            firstOf_[int(category)] = int(needles_.size()) / 4;
            for (int row = 0; row < catalog_.rowCount(category); ++row) {
                const AvailabilityTexts texts = availabilityTexts(catalog_.row(category, row), category);
                needles_ << texts.building << texts.requirement1 << texts.requirement2 << texts.withheld;
            }
        }
        std::vector<int> slotOf(std::size_t(needles_.size() / 4), -1);
        const MultiTextSearch& search = searchFor(needles_);
        MultiTextSearch::FirstEnds first(search);
        int searchedTo = int(lines_.size()); // lines below were not searched
        checked_.reserve(std::size_t(lines_.size()));
        starts_.reserve(std::size_t(lines_.size()) + 1);
        qsizetype at = 0;
        bool firstNonComment = true;
        // In blocks: the lines of a block are read side by side, which lets
        // memory fetch them together, then searched from the cache.
        constexpr int kBlock = 32;
        for (int block = 0; block < lines_.size(); block += kBlock) {
            const int end = std::min(int(lines_.size()), block + kBlock);
            for (int i = block; i < end; ++i) {
                const QString& line = lines_.at(i);
                starts_.push_back(at);
                at += line.size() + 2;
                if (!line.isEmpty())
                    __builtin_prefetch(line.constData() + line.size() - 1);
                Category category = Category::Units;
                const CatalogEntry* entry = itemOfLine(catalog_, line, &category);
                const bool starts = entry && isStartingPoint(entry, category, firstNonComment);
                if (!line.startsWith(QLatin1Char('/')))
                    firstNonComment = false;
                if (!entry || starts)
                    continue;
                const int place = firstOf_[int(category)] + int(entry - &catalog_.row(category, 0));
                int& slot = slotOf[std::size_t(place)];
                if (slot < 0) {
                    slot = int(named_.size());
                    named_.push_back(
                        Named{4 * place, entry->displayName.trimmed(), category == Category::Research, {}});
                }
                checked_.push_back({i, slot, starts_.back()});
            }
            for (int i = block; i < end && searchedTo == lines_.size() && !first.done(); ++i) {
                if (i < kWalkedLines || first.skipping())
                    first.feed(lines_.at(i));
                else
                    searchedTo = i;
            }
        }
        starts_.push_back(at);
        ends_ = first.finish();
        if (searchedTo < lines_.size())
            searchOn(searchedTo);
    }

    // Below the first lines, the catalog's texts that are still missing
    // are searched for only where a line names an item that needs them: a
    // list of few kinds of items leaves most of them missing for good.
    void searchOn(int from)
    {
        QStringList wanted;
        std::vector<int> wantedIds;
        for (const Named& n : named_) {
            for (int k = 0; k < 4; ++k) {
                const int id = n.firstNeedle + k;
                if (ends_.at(id) < 0 && !needles_.at(id).isEmpty()) {
                    wanted << needles_.at(id);
                    wantedIds.push_back(id);
                }
            }
        }
        if (wanted.isEmpty())
            return;
        const MultiTextSearch search(wanted);
        MultiTextSearch::FirstEnds first(search, starts_.at(std::size_t(from)));
        for (int i = from; i < lines_.size() && !first.done(); ++i) {
            MultiTextSearch::prefetch(lines_, i);
            first.feed(lines_.at(i));
        }
        const QVector<qsizetype> found = first.finish();
        for (std::size_t w = 0; w < wantedIds.size(); ++w)
            ends_[wantedIds[w]] = found.at(qsizetype(w));
    }

    void settleBounds(Named& n) const
    {
        n.soundFrom = 0;
        for (int k = 0; k < 3; ++k) {
            const qsizetype end = ends_.at(n.firstNeedle + k);
            n.soundFrom = end < 0 ? std::numeric_limits<qsizetype>::max() : std::max(n.soundFrom, end);
            if (end < 0)
                break;
        }
        const qsizetype withheld = ends_.at(n.firstNeedle + 3);
        n.repeatedFrom = n.research && withheld >= 0 ? withheld : std::numeric_limits<qsizetype>::max();
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

    // The message of a line that is not sound. Lines of one item that miss
    // the same things share one message.
    const QString& judge(const Checked& c)
    {
        Named& n = named_[std::size_t(c.slot)];
        const qsizetype above = c.above;
        auto isAbove = [&](int k) {
            const qsizetype end = ends_.at(n.firstNeedle + k);
            return end >= 0 && end <= above;
        };
        const bool repeated = n.research && isAbove(3);
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
        return known->second;
    }

    QString describe(const Named& n, const Verdict* verdicts, bool repeated)
    {
        Message message(n.item);
        for (int k = 0; k < 3; ++k) {
            if (verdicts[k] == Above)
                continue;
            const QString& needed = needles_.at(n.firstNeedle + k); // building, then the requirements
            if (needed.trimmed().isEmpty()) {
                message.say(QCoreApplication::translate("OrderCheck", "needs a line above it"));
                continue;
            }
            const QString& name = nameOf(needed);
            switch (verdicts[k]) {
            case Nowhere:
                message.say(
                    QCoreApplication::translate("OrderCheck", "needs %1, which is nowhere in the list")
                        .arg(name),
                    name);
                break;
            case Later:
                message.say(QCoreApplication::translate("OrderCheck",
                                                        "needs %1, which comes later, at line %2: move it up")
                                .arg(name, QString::number(numberOf(firstLineOf(n.firstNeedle + k)))),
                            name);
                break;
            default:
                message.say(QCoreApplication::translate("OrderCheck", "needs %1 above it").arg(name),
                            name); // only its own line has it
            }
        }
        if (repeated)
            message.say(QCoreApplication::translate("OrderCheck", "is already researched at line %1")
                            .arg(numberOf(firstLineOf(n.firstNeedle + 3))));
        return message.text();
    }

    const Catalog& catalog_;
    const QStringList& lines_;
    const QVector<int>& numbers_;
    std::vector<Named> named_;
    QStringList needles_; // the four texts of each catalog entry, in table order
    int firstOf_[3] = {}; // each table's first entry among them
    std::vector<Checked> checked_;
    QVector<qsizetype> ends_;
    std::vector<qsizetype> starts_; // where each line starts in the lines joined by CR LF
    std::vector<int> lineOfNeedle_;
    QHash<QString, QString> names_;
};

} // namespace

QVector<OrderProblem> checkOrder(const Catalog& catalog, const QStringList& lines,
                                 const QVector<int>& numbers)
{
    return OrderCheck(catalog, lines, numbers).run();
}
