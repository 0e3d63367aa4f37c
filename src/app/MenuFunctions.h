#pragma once

// The menu function list (table gn) rebuilt from the main menu: numbered 1, 2, 3, ... in menu
// order, separators and hidden items included; every grant (yhgn) is removed. Runs in the
// caller's transaction when one is open; failures throw DatabaseError.
void RebuildMenuFunctions();
// Grants every function of gn to the operator.
void GrantAllMenuFunctions(int operatorId);
