#include "app/announcer.h"

Announcer::Announcer(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("announcer"));
    setFixedSize(0, 0);
}

void Announcer::announce(const QString& text)
{
    setText(text);
    setAccessibleName(text);
    // A notification is read as it shows: shown again, it is read again.
    hide();
    show();
}
