#pragma once

#include <QHash>
#include <QHelpEvent>
#include <QStringList>
#include <QToolTip>
#include <QWidget>

// A tooltip request on a view whose lines carry notes: the note of the line
// under the pointer is shown, and a line without one shows nothing. True
// when the event was a tooltip request and is handled.
template <class NoteAt> bool showLineNote(QEvent* e, QWidget* viewport, NoteAt noteAt)
{
    if (e->type() != QEvent::ToolTip)
        return false;
    const auto* help = static_cast<QHelpEvent*>(e);
    const QString note = noteAt(help->pos());
    if (note.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), note, viewport);
    return true;
}

// The notes of lines (from 0) as a view keeps them: the k-th text is the
// note of the k-th line.
inline QHash<int, QString> lineNotes(const QList<int>& lines, const QStringList& texts)
{
    QHash<int, QString> notes;
    notes.reserve(lines.size());
    for (int k = 0; k < lines.size(); ++k)
        notes.insert(lines.at(k), texts.at(k));
    return notes;
}
