#pragma once

#include <QString>

// Writes one line to the operation log: the operator's name, now from the clock, the text.
// A text longer than the column is cut to fit; failures never reach the caller.
void WriteOperationLog(const QString& text);
