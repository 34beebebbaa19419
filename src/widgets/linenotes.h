#pragma once

#include <QHelpEvent>
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
