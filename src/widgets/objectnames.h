#pragma once

#include <QObject>
#include <initializer_list>
#include <utility>

// Gives each control the name it has always been known by, so that the
// tests, the accessible tree and the documentation still find it.
inline void setObjectNames(std::initializer_list<std::pair<QObject*, const char*>> named)
{
    for (const auto& [object, name] : named)
        object->setObjectName(QLatin1String(name));
}
