#include "buildlist/textsearch.h"

#include <QVarLengthArray>
#include <algorithm>
#include <climits>
#include <deque>

MultiTextSearch::MultiTextSearch(const QStringList& needles)
    : needles_(needles), findableNeedle_(std::size_t(needles.size()), false),
      skippable_(std::size_t(needles.size()), false), needleCount_(int(needles.size()))
{
    assignSymbols();
    std::vector<int> table; // state x symbol -> state while the automaton is built
    addState(table); // the root
    for (int id = 0; id < needles.size(); ++id)
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

    QVector<bool> found(needleCount_, false);
    for (std::size_t s = 0; s < output_.size(); ++s)
        if (seen[s * width])
            for (int id : output_[s])
                found[id] = true;
    return found;
}

namespace {

// For a set of needles at least two characters long, `window` the shortest
// of them: how far a window ending at a pair of characters may move on. 0
// means an occurrence may start at the window.
struct SkipTable {
    SkipTable(const QStringList& needles, const QVarLengthArray<int, 8>& ids)
    {
        window = INT_MAX;
        for (int id : ids)
            window = std::min(window, int(needles[id].size()));
        const int most = std::min(window - 1, 255);
        jumps.assign(std::size_t(256) * 256, static_cast<unsigned char>(most));
        for (int id : ids) {
            const QString& needle = needles[id];
            for (int at = 1; at < window; ++at) {
                const std::size_t pair = index(needle.at(at - 1).unicode(), needle.at(at).unicode());
                const int jump = window - 1 - at;
                jumps[pair] = static_cast<unsigned char>(std::min<int>(jumps[pair], jump));
            }
        }
    }
    // Characters beyond 8 bits share one slot: it only makes candidates.
    static std::size_t index(char16_t a, char16_t b)
    {
        return std::size_t(a < 256 ? a : 0) * 256 + (b < 256 ? b : 0);
    }
    int jump(char16_t a, char16_t b) const { return jumps[index(a, b)]; }

    int window = 2;
    std::vector<unsigned char> jumps;
};

} // namespace

// Walks texts one after another, noting where each needle first ends. A
// state reached for the first time ends the first occurrence of every
// needle it outputs that has not ended earlier; the walk stops once every
// needle that can occur has been found.
class MultiTextSearch::FirstEnds {
public:
    explicit FirstEnds(const MultiTextSearch& search)
        : s_(search), seen_(search.rows_.size(), 0), ends_(search.needleCount_, -1),
          missing_(search.findable_)
    {
    }
    bool done() const { return missing_ == 0; }
    void walk(QStringView text)
    {
        const char16_t* chars = reinterpret_cast<const char16_t*>(text.data());
        const unsigned* rows = s_.rows_.data();
        const unsigned char* symbols = s_.symbols_.data();
        const std::size_t width = std::size_t(s_.width_);
        unsigned state = state_;
        unsigned char* seen = seen_.data();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = chars[i];
            state = rows[state + (c < 256 ? symbols[c] : 0u)];
            if (Q_LIKELY(seen[state]))
                continue;
            seen[state] = 1;
            for (int id : s_.output_[state / width]) {
                if (ends_[id] < 0) {
                    ends_[id] = offset_ + i + 1;
                    --missing_;
                }
            }
        }
        state_ = state;
        offset_ += text.size();
    }
    QVector<qsizetype> ends() const { return ends_; }

    // Once only a few needles are still missing (most often texts that are
    // nowhere in the list), looking for each of them directly is cheaper
    // than walking the automaton on: a direct search skips along many
    // characters at a time. Needles with a line break could span lines, and
    // a single character gives nothing to skip by, so those keep the walk.
    bool fewLeft() const
    {
        constexpr int kFew = 8;
        if (missing_ > kFew)
            return false;
        for (int id = 0; id < s_.needleCount_; ++id)
            if (stillMissing(id) && !s_.skippable_[std::size_t(id)])
                return false;
        return true;
    }
    // Looks for the missing needles in lines[from..], which start where the
    // walk stopped, on a line boundary. A window as long as the shortest
    // needle slides along each line; the pair of characters at its end says
    // how far it may jump without passing over the start of an occurrence.
    void lookForTheRest(const QStringList& lines, qsizetype from)
    {
        QVarLengthArray<int, 8> left;
        for (int id = 0; id < s_.needleCount_; ++id)
            if (stillMissing(id))
                left.append(id);
        SkipTable skip(s_.needles_, left);
        qsizetype offset = offset_;
        for (qsizetype l = from; l < lines.size() && !left.isEmpty(); ++l) {
            const QString& line = lines.at(l);
            const char16_t* chars = reinterpret_cast<const char16_t*>(line.constData());
            const qsizetype n = line.size();
            for (qsizetype end = skip.window - 1; end < n;) {
                const int jump = skip.jump(chars[end - 1], chars[end]);
                if (jump > 0) {
                    end += jump;
                    continue;
                }
                const qsizetype start = end - skip.window + 1;
                bool found = false;
                for (qsizetype k = 0; k < left.size(); ++k) {
                    const QString& needle = s_.needles_[left[k]];
                    if (start + needle.size() <= n && QStringView(chars + start, needle.size()) == needle) {
                        ends_[left[k]] = offset + start + needle.size();
                        --missing_;
                        left.remove(k);
                        found = true;
                        break;
                    }
                }
                if (found && !left.isEmpty())
                    skip = SkipTable(s_.needles_, left);
                if (!found)
                    ++end;
            }
            offset += line.size() + 2;
        }
    }

private:
    bool stillMissing(int id) const { return s_.findableNeedle_[std::size_t(id)] && ends_[id] < 0; }

    const MultiTextSearch& s_;
    std::vector<unsigned char> seen_;
    QVector<qsizetype> ends_;
    int missing_;
    unsigned state_ = 0;
    qsizetype offset_ = 0;
};

QVector<qsizetype> MultiTextSearch::firstEnds(const QStringList& lines) const
{
    FirstEnds walk(*this);
    qsizetype line = 0;
    for (; line < lines.size() && !walk.done() && !walk.fewLeft(); ++line) {
        walk.walk(lines.at(line));
        walk.walk(u"\r\n");
    }
    if (line < lines.size() && !walk.done())
        walk.lookForTheRest(lines, line);
    return walk.ends();
}
