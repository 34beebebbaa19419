#include "model/errors.h"

int StrToInt(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const int value = trimmed.toInt(&ok, 10);
    // toInt also takes a leading '+'; the toolkit does too. It refuses blanks
    // inside the number, which trimmed() leaves in place, so they fail here.
    if (!ok || trimmed.isEmpty())
        throw ConvertError(text);
    return value;
}

QString IntToStr(int value)
{
    return QString::number(value);
}
