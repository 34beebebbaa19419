#pragma once

#include "buildlist/buildlist.h"

#include <QHash>
#include <utility>

// A part's own record of what it showed around each step of the build
// list's history, so that Undo and Redo show it again: the value as the
// step began and as it ended. keep() follows the document's history.
template <class T> class StepRecord {
public:
    // From now on, `now()` is noted around every step of `list`, and
    // `show(value)` is called with the noted value once a step is undone or
    // redone; `context` ends the connections.
    template <class Now, class Show> void keep(const BuildList& list, QObject* context, Now now, Show show)
    {
        QObject::connect(&list, &BuildList::changeStarting, context, [this, now] { starting_ = now(); });
        QObject::connect(&list, &BuildList::stepRecorded, context, [this, &list, now](quint64 step) {
            noteEnd(step, now());
            forgetGoneSteps(list);
        });
        QObject::connect(&list, &BuildList::stepTravelled, context, [this, show](quint64 step, bool redone) {
            const auto found = around_.constFind(step);
            if (found != around_.constEnd())
                show(redone ? found->second : found->first);
        });
    }

private:
    void noteEnd(quint64 step, const T& now)
    {
        const auto found = around_.find(step);
        if (found == around_.end())
            around_.insert(step, {starting_, now}); // a new step
        else
            found->second = now; // typing that goes on
    }
    // Steps the history let go of, forgotten now and then rather than at
    // every step.
    void forgetGoneSteps(const BuildList& list)
    {
        if (around_.size() <= 2 * list.stepCount() + 64)
            return;
        around_.removeIf([&list](const auto& entry) { return !list.keepsStep(entry.key()); });
    }

    QHash<quint64, std::pair<T, T>> around_;
    T starting_{};
};
