#pragma once

#include <QtGlobal>

// May the person claim at all? False exactly when the person's grxx row has sfzf "是"
// (reimbursement stopped); any other value, an empty one or no row at all allows the claim.
// Database errors throw DatabaseError.
bool IsBxfw(qint64 personNo);
