#include "buildlist/textsearch.h"

#include <deque>

MultiTextSearch::MultiTextSearch(const QStringList& needles) : needleCount_(int(needles.size()))
{
    // Give each character that occurs in a needle its own symbol.
    int symbols = 1;
    for (const QString& n : needles)
        for (QChar c : n)
            if (c.unicode() < 256 && symbols_[c.unicode()] == 0 && symbols < kAlphabet)
                symbols_[c.unicode()] = static_cast<unsigned char>(symbols++);

    // The trie.
    next_.push_back({});
    next_[0].fill(-1);
    output_.emplace_back();
    for (int id = 0; id < needles.size(); ++id) {
        const QString& n = needles[id];
        if (n.isEmpty())
            continue;
        bool representable = true;
        for (QChar c : n)
            representable = representable && symbolOf(c) != 0;
        if (!representable)
            continue; // holds a character no text can match here
        int state = 0;
        for (QChar c : n) {
            const int symbol = symbolOf(c);
            if (next_[state][symbol] < 0) {
                // Growing the table moves it: index again afterwards.
                const int created = int(next_.size());
                next_.push_back({});
                next_.back().fill(-1);
                output_.emplace_back();
                next_[state][symbol] = created;
            }
            state = next_[state][symbol];
        }
        output_[state].push_back(id);
    }

    // Failure links, turned into a complete transition table.
    std::vector<int> fail(next_.size(), 0);
    std::deque<int> queue;
    for (int s = 0; s < kAlphabet; ++s) {
        int& t = next_[0][s];
        if (t < 0) {
            t = 0;
        } else {
            fail[t] = 0;
            queue.push_back(t);
        }
    }
    while (!queue.empty()) {
        const int state = queue.front();
        queue.pop_front();
        const std::vector<int>& inherited = output_[fail[state]];
        output_[state].insert(output_[state].end(), inherited.begin(), inherited.end());
        for (int s = 0; s < kAlphabet; ++s) {
            int& t = next_[state][s];
            if (t < 0) {
                t = next_[fail[state]][s];
            } else {
                fail[t] = next_[fail[state]][s];
                queue.push_back(t);
            }
        }
    }
}

int MultiTextSearch::symbolOf(QChar c) const
{
    return c.unicode() < 256 ? symbols_[c.unicode()] : 0;
}

QVector<bool> MultiTextSearch::search(const QString& text) const
{
    Scan scan(*this);
    scan.feed(text);
    return scan.found();
}

MultiTextSearch::Scan::Scan(const MultiTextSearch& search)
    : search_(search), visited_(search.next_.size(), false)
{
}

void MultiTextSearch::Scan::feed(const QChar* chars, qsizetype count)
{
    int state = state_;
    const auto& next = search_.next_;
    for (qsizetype i = 0; i < count; ++i) {
        state = next[state][search_.symbolOf(chars[i])];
        visited_[state] = true;
    }
    state_ = state;
}

QVector<bool> MultiTextSearch::Scan::found() const
{
    QVector<bool> result(search_.needleCount_, false);
    for (std::size_t s = 0; s < visited_.size(); ++s)
        if (visited_[s])
            for (int id : search_.output_[s])
                result[id] = true;
    return result;
}
