#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <vector>

// Finds which of a fixed set of texts occur in a text, all in one pass
// (an Aho-Corasick automaton). An empty needle never occurs.
class MultiTextSearch {
public:
    explicit MultiTextSearch(const QStringList& needles);

    // found[i] tells whether needles[i] occurs in the text.
    QVector<bool> search(const QString& text) const;

    // The same over a text given piece by piece, each piece followed by
    // the separator (the text area's lines and their breaks).
    class Scan {
    public:
        explicit Scan(const MultiTextSearch& search);
        void feed(const QChar* chars, qsizetype count);
        void feed(const QString& text) { feed(text.constData(), text.size()); }
        QVector<bool> found() const;

    private:
        const MultiTextSearch& search_;
        int state_ = 0;
        std::vector<bool> visited_;
    };

private:
    static constexpr int kAlphabet = 128; // needle characters; 0 stands for any other
    int symbolOf(QChar c) const;

    int needleCount_ = 0;
    std::array<unsigned char, 256> symbols_{};
    std::vector<std::array<int, kAlphabet>> next_;
    std::vector<std::vector<int>> output_; // needles ending at a state, suffixes included
};
