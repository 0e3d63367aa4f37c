#pragma once

// The sample data of a demo data folder, in one place so that every capability can add its
// part. Runs on the open, freshly populated database; failures throw DatabaseError.
namespace DemoData {
// This calendar year by the clock.
int defaultYear();
void fill();
} // namespace DemoData
