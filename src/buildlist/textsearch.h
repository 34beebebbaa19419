#pragma once

#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>
#include <QVector>
#include <array>
#include <memory>
#include <vector>

// Finds which of a fixed set of texts occur in a text, all in one pass
// (an Aho-Corasick automaton). An empty needle never occurs, nor does one
// with a character beyond 8 bits: the texts searched are 8-bit build lists.
// Needles given twice are searched once.
class MultiTextSearch {
public:
    explicit MultiTextSearch(const QStringList& needles);

    // found[i] tells whether needles[i] occurs in the text.
    QVector<bool> search(QStringView text) const;
    // ends[i] is the offset just past the first occurrence of needles[i] in
    // the lines joined by CR LF, each line followed by one (without building
    // that text); -1 where it does not occur.
    QVector<qsizetype> firstEnds(const QStringList& lines) const;

    // The same, for lines given one at a time, so that a caller reading the
    // lines for its own ends can search them on the same visit.
    class FirstEnds;

    // Lines live apart in memory: a loop over them asks for a later one
    // while it reads the current one.
    static void prefetch(const QStringList& lines, qsizetype at)
    {
        constexpr qsizetype kAhead = 24;
        if (at + kAhead < lines.size()) {
            const char* text = reinterpret_cast<const char*>(lines.at(at + kAhead).constData());
            __builtin_prefetch(text);
            __builtin_prefetch(text + 64);
        }
    }

private:
    // A result per distinct needle, given back per needle as given.
    template <class T> QVector<T> asGiven(const std::vector<T>& byDistinct) const
    {
        QVector<T> given;
        given.reserve(qsizetype(distinctOf_.size()));
        for (int place : distinctOf_)
            given.append(byDistinct[std::size_t(place)]);
        return given;
    }
    void assignSymbols();
    int& transition(std::vector<int>& table, int state, int symbol) const;
    int addState(std::vector<int>& table);
    void addNeedle(std::vector<int>& table, int id);
    void foldFailureLinks(std::vector<int>& table);
    int symbolOf(QChar c) const { return c.unicode() < 256 ? symbols_[c.unicode()] : 0; }

    std::vector<int> distinctOf_; // for each needle as given, its place in needles_
    QStringList needles_; // each text once
    std::vector<bool> findableNeedle_; // can occur at all: not empty, all 8-bit
    std::vector<bool> skippable_; // can be looked for line by line with a skip table
    int needleCount_ = 0;
    int longestNeedle_ = 0;
    int findable_ = 0; // needles that can occur at all
    int width_ = 1; // symbols: one per character in the needles, 0 for any other
    std::array<unsigned char, 256> symbols_{};
    std::vector<unsigned> rows_; // state x symbol -> the target's row offset
    std::vector<std::vector<int>> output_; // needles ending at a state, suffixes included
};

class MultiTextSearch::FirstEnds {
public:
    // Offsets count from `offset`: where the first line fed starts.
    explicit FirstEnds(const MultiTextSearch& search, qsizetype offset = 0);
    ~FirstEnds();

    bool done() const { return missing_ == 0; }
    // Whether the few texts still missing are looked for directly, which
    // costs little per line.
    bool skipping() const { return skipping_; }
    // One line and the CR LF after it. Its text must stay until finish().
    void feed(QStringView line);
    // For each needle as given, the offset just past its first occurrence;
    // -1 where it did not occur.
    QVector<qsizetype> finish();

private:
    struct SkipTable;
    using Left = QVarLengthArray<int, 8>;
    void walk(QStringView text);
    bool fewLeft() const;
    bool stillMissing(int id) const;
    int needleAt(QStringView line, qsizetype end) const;
    bool occursFrom(QStringView line, qsizetype end) const;
    bool occursInEither(QStringView a, QStringView b) const;
    void findEachIn(QStringView line, qsizetype offset);

    const MultiTextSearch& s_;
    std::vector<unsigned char> seen_;
    std::vector<qsizetype> ends_; // by distinct needle
    int missing_;
    unsigned state_ = 0;
    qsizetype offset_; // where the next line starts
    bool skipping_ = false;
    Left left_; // the needles still missing, while skipping
    std::unique_ptr<SkipTable> skip_;
    QStringView pending_; // a line waiting for the next, to be searched with it
    qsizetype pendingOffset_ = -1;
};
