#include "files/openroad.h"
#include "buildlist/lineformat.h"
#include "editing/textcopy.h"
#include "files/widthfixup.h"

OpenedText prepareOpenedText(const QString& text, const Catalog& catalog)
{
    OpenedText opened;
    if (text.contains(QLatin1Char('\t'))) {
        opened.hasTab = true;
        return opened;
    }
    opened.lines = fixLineWidths(splitLines(text), &opened.fileLines);
    for (int& line : opened.fileLines)
        ++line;
    NormalizeLineNames(catalog, opened.lines);
    opened.endsWithBreak = text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'));
    return opened;
}
