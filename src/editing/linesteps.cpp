#include "editing/linesteps.h"

LineStep::LineStep(Kind kind, int row, int other, const QStringList& before, const QStringList& after)
    : kind_(kind), row_(row), other_(other), before_(before), after_(after)
{
}

LineStep LineStep::typing(int row, const QString& before, const QString& after)
{
    return LineStep(Kind::Typing, row, row, {before}, {after});
}

LineStep LineStep::insertion(Kind kind, int row, const QStringList& lines)
{
    return LineStep(kind, row, row, {}, lines);
}

LineStep LineStep::removal(Kind kind, int row, const QStringList& lines)
{
    return LineStep(kind, row, row, lines, {});
}

LineStep LineStep::move(int from, int to)
{
    return LineStep(Kind::MoveLine, from, to, {}, {});
}

QString LineStep::name() const
{
    switch (kind_) {
    case Kind::Typing: return QStringLiteral("Typing");
    case Kind::Append: return QStringLiteral("Append");
    case Kind::Insert: return QStringLiteral("Insert");
    case Kind::RemoveLine: return QStringLiteral("Remove Line");
    case Kind::MoveLine: return QStringLiteral("Move Line");
    case Kind::CreateComment: return QStringLiteral("Create Comment");
    case Kind::RemoveLastLine: return QStringLiteral("Remove Last Line");
    }
    return QString();
}

void LineStep::redo(LineStore& store) const
{
    switch (kind_) {
    case Kind::Typing: store.setLine(row_, after_.first()); break;
    case Kind::MoveLine: store.moveLine(row_, other_); break;
    default:
        if (!before_.isEmpty())
            store.removeLines(row_, int(before_.size()));
        if (!after_.isEmpty())
            store.insertLines(row_, after_);
    }
}

void LineStep::undo(LineStore& store) const
{
    switch (kind_) {
    case Kind::Typing: store.setLine(row_, before_.first()); break;
    case Kind::MoveLine: store.moveLine(other_, row_); break;
    default:
        if (!after_.isEmpty())
            store.removeLines(row_, int(after_.size()));
        if (!before_.isEmpty())
            store.insertLines(row_, before_);
    }
}

bool LineStep::absorb(const LineStep& next)
{
    if (kind_ != Kind::Typing || next.kind_ != Kind::Typing || next.row_ != row_
        || next.before_.first() != after_.first())
        return false;
    after_ = next.after_;
    return true;
}
