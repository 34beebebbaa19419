#pragma once

#include <QStringList>
#include <QStringView>
#include <QVector>
#include <array>
#include <vector>

// Finds which of a fixed set of texts occur in a text, all in one pass
// (an Aho-Corasick automaton). An empty needle never occurs, nor does one
// with a character beyond 8 bits: the texts searched are 8-bit build lists.
class MultiTextSearch {
public:
    explicit MultiTextSearch(const QStringList& needles);

    // found[i] tells whether needles[i] occurs in the text.
    QVector<bool> search(QStringView text) const;
    // ends[i] is the offset just past the first occurrence of needles[i] in
    // the lines joined by CR LF, each line followed by one (without building
    // that text); -1 where it does not occur.
    QVector<qsizetype> firstEnds(const QStringList& lines) const;

private:
    class FirstEnds;
    void assignSymbols();
    int& transition(std::vector<int>& table, int state, int symbol) const;
    int addState(std::vector<int>& table);
    void addNeedle(std::vector<int>& table, int id);
    void foldFailureLinks(std::vector<int>& table);
    int symbolOf(QChar c) const { return c.unicode() < 256 ? symbols_[c.unicode()] : 0; }

    QStringList needles_;
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
