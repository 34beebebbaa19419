#include "files/savesteps.h"

namespace {

SaveStepHook& hook()
{
    static SaveStepHook theHook;
    return theHook;
}

} // namespace

SaveStepHook setSaveStepHook(SaveStepHook next)
{
    SaveStepHook previous = std::move(hook());
    hook() = std::move(next);
    return previous;
}

int atSaveStep(SaveStep step)
{
    return hook() ? hook()(step) : 0;
}
