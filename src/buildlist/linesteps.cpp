#include "buildlist/linesteps.h"

#include <QCoreApplication>

LineStep::LineStep(Kind kind, int row, int other, QStringList before, QStringList after, bool breakBefore,
                   bool breakAfter)
    : kind_(kind), row_(row), other_(other), before_(std::move(before)), after_(std::move(after)),
      breakBefore_(breakBefore), breakAfter_(breakAfter)
{
}

LineStep LineStep::change(Kind kind, int row, QStringList before, QStringList after, bool breakBefore,
                          bool breakAfter)
{
    qsizetype same = 0;
    while (same < before.size() && same < after.size() && before.at(same) == after.at(same))
        ++same;
    before.remove(0, same);
    after.remove(0, same);
    while (!before.isEmpty() && !after.isEmpty() && before.last() == after.last()) {
        before.removeLast();
        after.removeLast();
    }
    return LineStep(kind, row + int(same), 0, std::move(before), std::move(after), breakBefore, breakAfter);
}

LineStep LineStep::move(int from, int to, bool ends)
{
    return LineStep(Kind::MoveLine, from, to, {}, {}, ends, ends);
}

QString LineStep::name() const
{
    switch (kind_) {
    case Kind::Typing: return QCoreApplication::translate("LineStep", "Typing");
    case Kind::Append: return QCoreApplication::translate("LineStep", "Append");
    case Kind::Insert: return QCoreApplication::translate("LineStep", "Insert");
    case Kind::RemoveLine: return QCoreApplication::translate("LineStep", "Remove Line");
    case Kind::MoveLine: return QCoreApplication::translate("LineStep", "Move Line");
    case Kind::CreateComment: return QCoreApplication::translate("LineStep", "Create Comment");
    case Kind::RemoveLastLine: return QCoreApplication::translate("LineStep", "Remove Last Line");
    case Kind::Open: return QCoreApplication::translate("LineStep", "Open");
    }
    return QString();
}

bool LineStep::changesNothing() const
{
    if (kind_ == Kind::MoveLine)
        return row_ == other_;
    return before_.isEmpty() && after_.isEmpty() && breakBefore_ == breakAfter_;
}

void LineStep::apply(LineStore& store, bool forward) const
{
    if (kind_ == Kind::MoveLine) {
        store.moveLine(forward ? row_ : other_, forward ? other_ : row_);
    } else {
        const QStringList& out = forward ? before_ : after_;
        const QStringList& in = forward ? after_ : before_;
        if (out.size() == 1 && in.size() == 1) {
            store.setLine(row_, in.first());
        } else {
            if (!out.isEmpty())
                store.removeLines(row_, int(out.size()));
            if (!in.isEmpty())
                store.insertLines(row_, in);
        }
    }
    // Set, not toggled: the text area may have moved its break on the way.
    store.setEndsWithBreak(forward ? breakAfter_ : breakBefore_);
}

bool LineStep::absorb(const LineStep& next)
{
    if (kind_ != Kind::Typing || next.kind_ != Kind::Typing || next.row_ != row_ || next.before_ != after_
        || next.breakBefore_ != breakAfter_)
        return false;
    after_ = next.after_;
    breakAfter_ = next.breakAfter_;
    return true;
}
