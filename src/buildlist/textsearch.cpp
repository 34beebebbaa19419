#include "buildlist/textsearch.h"

#include <algorithm>
#include <deque>

MultiTextSearch::MultiTextSearch(const QStringList& needles) : needleCount_(int(needles.size()))
{
    // Each 8-bit character of a needle gets its own symbol; a needle with a
    // character beyond that can never occur in an 8-bit text.
    for (const QString& n : needles)
        for (QChar c : n)
            if (c.unicode() < 256 && symbols_[c.unicode()] == 0 && width_ < 255)
                symbols_[c.unicode()] = static_cast<unsigned char>(width_++);

    // The transitions, state x symbol -> state, while the automaton is built.
    std::vector<int> table;
    auto next = [&](int state, int symbol) -> int& {
        return table[std::size_t(state) * std::size_t(width_) + std::size_t(symbol)];
    };
    auto addState = [&] {
        table.insert(table.end(), std::size_t(width_), -1);
        output_.emplace_back();
        return int(output_.size()) - 1;
    };
    addState(); // the root

    for (int id = 0; id < needles.size(); ++id) {
        const QString& n = needles[id];
        bool representable = !n.isEmpty();
        for (QChar c : n)
            representable = representable && symbolOf(c) != 0;
        if (!representable)
            continue;
        longestNeedle_ = std::max(longestNeedle_, int(n.size()));
        ++findable_;
        int state = 0;
        for (QChar c : n) {
            const int symbol = symbolOf(c);
            if (next(state, symbol) < 0) {
                const int created = addState();
                next(state, symbol) = created;
            }
            state = next(state, symbol);
        }
        output_[std::size_t(state)].push_back(id);
    }

    // Failure links, folded into a complete transition table.
    std::vector<int> fail(output_.size(), 0);
    std::deque<int> queue;
    for (int s = 0; s < width_; ++s) {
        if (next(0, s) < 0) {
            next(0, s) = 0;
        } else {
            queue.push_back(next(0, s));
        }
    }
    while (!queue.empty()) {
        const int state = queue.front();
        queue.pop_front();
        const std::vector<int> inherited = output_[std::size_t(fail[std::size_t(state)])];
        auto& own = output_[std::size_t(state)];
        own.insert(own.end(), inherited.begin(), inherited.end());
        for (int s = 0; s < width_; ++s) {
            const int target = next(state, s);
            if (target < 0) {
                next(state, s) = next(fail[std::size_t(state)], s);
            } else {
                fail[std::size_t(target)] = next(fail[std::size_t(state)], s);
                queue.push_back(target);
            }
        }
    }
    rows_.resize(table.size());
    for (std::size_t i = 0; i < table.size(); ++i)
        rows_[i] = unsigned(table[i]) * unsigned(width_);
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

private:
    const MultiTextSearch& s_;
    std::vector<unsigned char> seen_;
    QVector<qsizetype> ends_;
    int missing_;
    unsigned state_ = 0;
    qsizetype offset_ = 0;
};

QVector<qsizetype> MultiTextSearch::firstEnds(QStringView text) const
{
    FirstEnds walk(*this);
    walk.walk(text);
    return walk.ends();
}

QVector<qsizetype> MultiTextSearch::firstEnds(const QStringList& lines) const
{
    FirstEnds walk(*this);
    for (const QString& line : lines) {
        if (walk.done())
            break;
        walk.walk(line);
        walk.walk(u"\r\n");
    }
    return walk.ends();
}
