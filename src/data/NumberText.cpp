#include "data/NumberText.h"

QString GeneralNumberText(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    return QString::number(value, 'g', 15);
}
