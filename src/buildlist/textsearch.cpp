#include "buildlist/textsearch.h"

#include <QHash>
#include <algorithm>
#include <deque>

MultiTextSearch::MultiTextSearch(const QStringList& needles)
{
    QHash<QString, int> placeOf;
    for (const QString& needle : needles) {
        auto at = placeOf.find(needle);
        if (at == placeOf.end()) {
            at = placeOf.insert(needle, int(needles_.size()));
            needles_.append(needle);
        }
        distinctOf_.push_back(at.value());
    }
    needleCount_ = int(needles_.size());
    findableNeedle_.assign(std::size_t(needleCount_), false);
    skippable_.assign(std::size_t(needleCount_), false);
    assignSymbols();
    std::vector<int> table; // state x symbol -> state while the automaton is built
    addState(table); // the root
    for (int id = 0; id < needleCount_; ++id)
        addNeedle(table, id);
    foldFailureLinks(table);
    rows_.resize(table.size());
    for (std::size_t i = 0; i < table.size(); ++i)
        rows_[i] = unsigned(table[i]) * unsigned(width_);
}

void MultiTextSearch::assignSymbols()
{
    // Each 8-bit character of a needle gets its own symbol; a needle with a
    // character beyond that can never occur in an 8-bit text.
    for (const QString& n : std::as_const(needles_))
        for (QChar c : n)
            if (c.unicode() < 256 && symbols_[c.unicode()] == 0 && width_ < 255)
                symbols_[c.unicode()] = static_cast<unsigned char>(width_++);
}

int& MultiTextSearch::transition(std::vector<int>& table, int state, int symbol) const
{
    return table[std::size_t(state) * std::size_t(width_) + std::size_t(symbol)];
}

int MultiTextSearch::addState(std::vector<int>& table)
{
    table.insert(table.end(), std::size_t(width_), -1);
    output_.emplace_back();
    return int(output_.size()) - 1;
}

// A needle's path from the root, made where it is missing, ending in a
// state that reports it.
void MultiTextSearch::addNeedle(std::vector<int>& table, int id)
{
    const QString& n = needles_[id];
    bool representable = !n.isEmpty();
    for (QChar c : n)
        representable = representable && symbolOf(c) != 0;
    if (!representable)
        return;
    findableNeedle_[std::size_t(id)] = true;
    skippable_[std::size_t(id)] =
        n.size() >= 2 && !n.contains(QLatin1Char('\r')) && !n.contains(QLatin1Char('\n'));
    longestNeedle_ = std::max(longestNeedle_, int(n.size()));
    ++findable_;
    int state = 0;
    for (QChar c : n) {
        const int symbol = symbolOf(c);
        if (transition(table, state, symbol) < 0) {
            const int created = addState(table);
            transition(table, state, symbol) = created;
        }
        state = transition(table, state, symbol);
    }
    output_[std::size_t(state)].push_back(id);
}

// Failure links, breadth first, folded into a complete transition table;
// each state also reports what its failure state reports.
void MultiTextSearch::foldFailureLinks(std::vector<int>& table)
{
    std::vector<int> fail(output_.size(), 0);
    std::deque<int> queue;
    for (int s = 0; s < width_; ++s) {
        if (transition(table, 0, s) < 0)
            transition(table, 0, s) = 0;
        else
            queue.push_back(transition(table, 0, s));
    }
    while (!queue.empty()) {
        const int state = queue.front();
        queue.pop_front();
        const std::vector<int> inherited = output_[std::size_t(fail[std::size_t(state)])];
        auto& own = output_[std::size_t(state)];
        own.insert(own.end(), inherited.begin(), inherited.end());
        for (int s = 0; s < width_; ++s) {
            const int target = transition(table, state, s);
            if (target < 0) {
                transition(table, state, s) = transition(table, fail[std::size_t(state)], s);
            } else {
                fail[std::size_t(target)] = transition(table, fail[std::size_t(state)], s);
                queue.push_back(target);
            }
        }
    }
}

QVector<bool> MultiTextSearch::search(QStringView text) const
{
    // Four lanes walk four parts of the text side by side, so that their
    // table lookups overlap instead of waiting on each other. Each part
    // starts early by the longest needle less one, so that no occurrence
    // across a boundary is missed.
    constexpr int kLanes = 4;
    const std::size_t width = std::size_t(width_);
    std::vector<unsigned char> visited(rows_.size(), 0); // by row offset
    unsigned char* seen = visited.data();
    const unsigned* rows = rows_.data();
    const unsigned char* symbols = symbols_.data();
    const char16_t* chars = reinterpret_cast<const char16_t*>(text.data());
    const qsizetype n = text.size();
    const qsizetype part = (n + kLanes - 1) / kLanes;
    const qsizetype overlap = std::max(0, longestNeedle_ - 1);

    qsizetype begin[kLanes];
    qsizetype end[kLanes];
    for (int k = 0; k < kLanes; ++k) {
        end[k] = std::min(n, (k + 1) * part);
        begin[k] = std::min(end[k], std::max<qsizetype>(0, k * part - (k > 0 ? overlap : 0)));
    }
    auto symbol = [symbols](char16_t c) { return c < 256 ? symbols[c] : 0u; };

    qsizetype together = end[0] - begin[0];
    for (int k = 1; k < kLanes; ++k)
        together = std::min(together, end[k] - begin[k]);
    const char16_t* c0 = chars + begin[0];
    const char16_t* c1 = chars + begin[1];
    const char16_t* c2 = chars + begin[2];
    const char16_t* c3 = chars + begin[3];
    unsigned r0 = 0, r1 = 0, r2 = 0, r3 = 0;
    for (qsizetype i = 0; i < together; ++i) {
        r0 = rows[r0 + symbol(c0[i])];
        r1 = rows[r1 + symbol(c1[i])];
        r2 = rows[r2 + symbol(c2[i])];
        r3 = rows[r3 + symbol(c3[i])];
        seen[r0] = 1;
        seen[r1] = 1;
        seen[r2] = 1;
        seen[r3] = 1;
    }
    // Whatever each lane has left.
    unsigned last[kLanes] = {r0, r1, r2, r3};
    for (int k = 0; k < kLanes; ++k) {
        unsigned r = last[k];
        for (qsizetype i = begin[k] + together; i < end[k]; ++i) {
            r = rows[r + symbol(chars[i])];
            seen[r] = 1;
        }
    }

    std::vector<bool> found(std::size_t(needleCount_), false);
    for (std::size_t s = 0; s < output_.size(); ++s)
        if (seen[s * width])
            for (int id : output_[s])
                found[std::size_t(id)] = true;
    return asGiven(found);
}
