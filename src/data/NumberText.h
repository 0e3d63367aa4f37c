#pragma once

#include <QString>

// A number in general format: the shortest decimal form with at most 15 significant digits,
// no thousands separator ("8000", "9749.99", "0.2"). Negative zero reads "0".
QString GeneralNumberText(double value);
