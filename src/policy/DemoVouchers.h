#pragma once

// The settled general vouchers of a demo data folder.
namespace DemoVouchers {
constexpr int Count = 50;

// Adds Count settled vouchers of the current year, of both expense types, for persons who may
// claim: each line priced by the line rule, each claim calculated under the stored policy with
// the person's previous amount, the amounts written into the header and added to the person's
// accumulators as settlement does. Needs the persons, items, hospitals and policy rows of the
// demo; runs inside the caller's transaction. Failures throw DatabaseError.
void fill();
} // namespace DemoVouchers
