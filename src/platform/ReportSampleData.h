#pragma once

class Report;

// Sample rows for every dataset the templates may read (RMzyzz, rmzymx, rmmzzz, rmmzmx,
// RMDBmaster, RMzhqk) and sample texts for the named memos, to check a layout without a
// database.
namespace ReportSampleData {
void bind(Report& report);
} // namespace ReportSampleData
