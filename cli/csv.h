// Spreadsheet rows in, the same rows with their results appended out.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "props/formulation.h"

namespace entalix::cli {

// One CSV record split into its cells (RFC 4180 quoting; a quote that does not
// begin a cell is kept as a character, as spreadsheets keep it); the text of a
// whole table is read record by record.
std::vector<std::string> csv_cells(const std::string& record);
std::string csv_record(const std::vector<std::string>& cells);

// Reads a CSV table whose header names the arguments of a function
// (`target` = {"pswh_ptstm"}) or the fields of a screen event
// (`target` = {"Form8", "Command2_Click"}), and writes each row with the
// results appended as columns, and a last column with the reason of a failure.
// Unnamed fields keep their defaults; other columns pass through. With `bom`,
// the output starts with a UTF-8 byte-order mark (Excel then reads Chinese).
// Cells beyond the header come back unchanged after the failure column. A row
// over 1 MiB, or with a quote still open at the end of the table or after
// 1 MiB (the row is then its own line), fails with its reason and the rows
// after it are answered.
// Returns the exit status: 0, 1 when a row failed, 3 when the output was lost.
// Throws UsageError for a header that lacks an argument, names no target, is
// over 1 MiB or leaves a quote open; InputError when `in` cannot be read.
// Every row in the formulation given.
int run_csv(const std::vector<std::string>& target, bool bom, std::istream& in, std::ostream& out,
            props::Formulation formulation);

}  // namespace entalix::cli
