#include "buildlist/textsearch.h"

#include <algorithm>
#include <climits>

// For a set of needles at least two characters long, `window` the shortest
// of them: how far a window ending at a pair of characters may move on. 0
// means an occurrence may start at the window.
struct MultiTextSearch::FirstEnds::SkipTable {
    SkipTable(const QStringList& needles, const Left& ids)
    {
        window = INT_MAX;
        for (int id : ids)
            window = std::min(window, int(needles[id].size()));
        const int most = std::min(window - 1, 255);
        jumps.assign(kSide * kSide, static_cast<unsigned char>(most));
        for (int id : ids) {
            const QString& needle = needles[id];
            for (int at = 1; at < window; ++at) {
                const std::size_t pair = index(needle.at(at - 1).unicode(), needle.at(at).unicode());
                const int jump = window - 1 - at;
                jumps[pair] = static_cast<unsigned char>(std::min<int>(jumps[pair], jump));
            }
        }
    }
    // Characters beyond 7 bits share one slot: it only makes candidates. A
    // table of 7-bit pairs stays in the fastest cache.
    static constexpr std::size_t kSide = 128;
    static std::size_t index(char16_t a, char16_t b)
    {
        return std::size_t(a < kSide ? a : 0) * kSide + (b < kSide ? b : 0);
    }
    int jump(char16_t a, char16_t b) const { return jumps[index(a, b)]; }

    int window = 2;
    std::vector<unsigned char> jumps;
};

MultiTextSearch::FirstEnds::FirstEnds(const MultiTextSearch& search, qsizetype offset)
    : s_(search), seen_(search.rows_.size(), 0), ends_(std::size_t(search.needleCount_), -1),
      missing_(search.findable_), offset_(offset)
{
}

MultiTextSearch::FirstEnds::~FirstEnds() = default;

bool MultiTextSearch::FirstEnds::stillMissing(int id) const
{
    return s_.findableNeedle_[std::size_t(id)] && ends_[std::size_t(id)] < 0;
}

// A state reached for the first time ends the first occurrence of every
// needle it outputs that has not ended earlier.
void MultiTextSearch::FirstEnds::walk(QStringView text)
{
    const char16_t* chars = text.utf16();
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
            if (ends_[std::size_t(id)] < 0) {
                ends_[std::size_t(id)] = offset_ + i + 1;
                --missing_;
            }
        }
    }
    state_ = state;
    offset_ += text.size();
}

// Once only a few needles are still missing (most often texts that are
// nowhere in the list), looking for each of them directly is cheaper than
// walking the automaton on: a direct search skips along many characters at
// a time. Needles with a line break could span lines, and a single
// character gives nothing to skip by, so those keep the walk.
bool MultiTextSearch::FirstEnds::fewLeft() const
{
    constexpr int kFew = 8;
    if (missing_ > kFew)
        return false;
    for (int id = 0; id < s_.needleCount_; ++id)
        if (stillMissing(id) && !s_.skippable_[std::size_t(id)])
            return false;
    return true;
}

void MultiTextSearch::FirstEnds::feed(QStringView line)
{
    if (done()) {
        offset_ += line.size() + 2;
        return;
    }
    if (!skipping_) {
        walk(line);
        walk(u"\r\n");
        if (!done() && fewLeft()) {
            for (int id = 0; id < s_.needleCount_; ++id)
                if (stillMissing(id))
                    left_.append(id);
            skip_ = std::make_unique<SkipTable>(s_.needles_, left_);
            skipping_ = true;
        }
        return;
    }
    // Lines are searched two at a time: see occursInEither.
    const qsizetype at = offset_;
    offset_ += line.size() + 2;
    if (pendingOffset_ < 0) {
        pending_ = line;
        pendingOffset_ = at;
        return;
    }
    if (occursInEither(pending_, line)) {
        findEachIn(pending_, pendingOffset_);
        findEachIn(line, at);
    }
    pendingOffset_ = -1;
}

QVector<qsizetype> MultiTextSearch::FirstEnds::finish()
{
    if (pendingOffset_ >= 0)
        findEachIn(pending_, pendingOffset_);
    pendingOffset_ = -1;
    return s_.asGiven(ends_);
}

// Which needle still missing (its place in left_) starts where a window
// ends at `end`; -1 for none.
int MultiTextSearch::FirstEnds::needleAt(QStringView line, qsizetype end) const
{
    const qsizetype start = end - skip_->window + 1;
    for (qsizetype k = 0; k < left_.size(); ++k) {
        const QString& needle = s_.needles_[left_[k]];
        if (start + needle.size() <= line.size() && line.mid(start, needle.size()) == needle)
            return int(k);
    }
    return -1;
}

// Whether a needle still missing occurs in the line, in a window ending at
// `end` or later. The pair of characters at a window's end says how far it
// may jump without passing over the start of an occurrence.
bool MultiTextSearch::FirstEnds::occursFrom(QStringView line, qsizetype end) const
{
    const char16_t* chars = line.utf16();
    while (end < line.size()) {
        const int jump = skip_->jump(chars[end - 1], chars[end]);
        if (jump == 0 && needleAt(line, end) >= 0)
            return true;
        end += std::max(jump, 1);
    }
    return false;
}

// Whether a needle still missing occurs in either of two lines. The two
// windows slide side by side, so that one moves while the other waits on
// memory: most lines hold no needle, and only have to say so.
bool MultiTextSearch::FirstEnds::occursInEither(QStringView a, QStringView b) const
{
    const SkipTable& skip = *skip_;
    const char16_t* ca = a.utf16();
    const char16_t* cb = b.utf16();
    qsizetype ea = skip.window - 1;
    qsizetype eb = skip.window - 1;
    while (ea < a.size() && eb < b.size()) {
        int ja = skip.jump(ca[ea - 1], ca[ea]);
        int jb = skip.jump(cb[eb - 1], cb[eb]);
        if (Q_UNLIKELY(ja == 0)) {
            if (needleAt(a, ea) >= 0)
                return true;
            ja = 1;
        }
        if (Q_UNLIKELY(jb == 0)) {
            if (needleAt(b, eb) >= 0)
                return true;
            jb = 1;
        }
        ea += ja;
        eb += jb;
    }
    return occursFrom(a, ea) || occursFrom(b, eb);
}

// Notes the first occurrence in the line, which starts at `offset`, of
// each needle still missing, and stops looking for it.
void MultiTextSearch::FirstEnds::findEachIn(QStringView line, qsizetype offset)
{
    for (qsizetype end = skip_->window - 1; end < line.size() && !left_.isEmpty();) {
        const int jump = skip_->jump(line.at(end - 1).unicode(), line.at(end).unicode());
        if (jump > 0) {
            end += jump;
            continue;
        }
        const int k = needleAt(line, end);
        if (k < 0) {
            ++end;
            continue;
        }
        const QString& needle = s_.needles_[left_[k]];
        ends_[std::size_t(left_[k])] = offset + end - skip_->window + 1 + needle.size();
        --missing_;
        left_.remove(k);
        if (!left_.isEmpty())
            skip_ = std::make_unique<SkipTable>(s_.needles_, left_);
    }
}

QVector<qsizetype> MultiTextSearch::firstEnds(const QStringList& lines) const
{
    FirstEnds first(*this);
    for (qsizetype l = 0; l < lines.size() && !first.done(); ++l) {
        prefetch(lines, l);
        first.feed(lines.at(l));
    }
    return first.finish();
}
