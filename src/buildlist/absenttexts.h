#pragma once

#include <QSet>
#include <QStringList>
#include <QVector>

// The texts a search found in no line, kept while the lines change: a text
// that stands nowhere stays nowhere until a line comes in that holds it.
// A search asks here first, and need not read every line again for a text
// it already knows to be absent. The texts hold no line break.
class AbsentTexts {
public:
    bool knownAbsent(const QString& text) const { return absent_.contains(text); }
    // What a search of every line found: the texts not found are absent,
    // the others are not.
    void noteSearched(const QStringList& texts, const QVector<bool>& found);
    // Lines came in, new or changed. Many at once (a whole list) are not
    // read: nothing is known any more.
    void linesCameIn(const QStringList& lines, qsizetype row, qsizetype count);
    void forget() { absent_.clear(); }

private:
    QSet<QString> absent_;
};
