#include "buildlist/absenttexts.h"

void AbsentTexts::noteSearched(const QStringList& texts, const QVector<bool>& found)
{
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (texts.at(i).isEmpty())
            continue; // never found, and never looked for
        if (found.at(i))
            absent_.remove(texts.at(i));
        else
            absent_.insert(texts.at(i));
    }
}

void AbsentTexts::linesCameIn(const QStringList& lines, qsizetype row, qsizetype count)
{
    if (absent_.isEmpty())
        return;
    // Reading a few lines for a few texts costs less than one more search
    // of the whole list; beyond that, the next search finds out anew.
    constexpr qsizetype kMostRead = 64;
    if (count > kMostRead) {
        forget();
        return;
    }
    for (auto it = absent_.begin(); it != absent_.end();) {
        bool found = false;
        for (qsizetype r = row; r < row + count && !found; ++r)
            found = lines.at(r).contains(*it);
        it = found ? absent_.erase(it) : std::next(it);
    }
}
