#pragma once

#include <functional>

// The moments of a save at which another program may act, or the disk may
// fail: tests run their own code there. A hook's non-zero result is an
// error number the step then fails with.
enum class SaveStep {
    PathWalked, // the file's folder is open, nothing is written yet
    OldBytesKept, // in place: the backup copy is flushed, the file untouched
    NewBytesFlushed, // new file: its bytes are flushed, the old one untouched
    FolderFlush, // the new name is in place and its folder is to be flushed
};

using SaveStepHook = std::function<int(SaveStep)>;

// Replaces the hook (none: every step goes on); returns the one before.
SaveStepHook setSaveStepHook(SaveStepHook hook);

// Runs the hook at a step: 0 to go on, or the error number to fail with.
int atSaveStep(SaveStep step);
