#pragma once

#include <string>
#include <string_view>

namespace Tessel::Papy {
class LpFile;
}

// An LP as a table that a spreadsheet opens: a header row, then one row per record with its
// index, its longitude and every value its format stores (metres, metres per second, radians
// per second), and for formats whose records store integers those integers too, in columns of
// their own, so that writing the table back gives the same bytes.
namespace Linewright {

// The table as comma-separated text (CsvText.h), numbers with '.' decimals in the shortest
// form that reads back to the same double.
std::string FormatLpTable(const Tessel::Papy::LpFile& lp);

// Fills every record of lp from text, a table as FormatLpTable writes it, in which columns are
// found by their header, in any order, among others. Each row gives the values through the
// format's setters (with its rounding); then the stored integers it gives, where it gives them,
// replace what those stored. name names the table in messages.
//
// Checks every row and throws XUsage listing each fault as "<name>:<line>: column <n> (<header>):
// <what>": a missing column or cell, a value that is no number or no integer, out of the
// field's range or at odds with the row's stored integers, a row out of place, a record count
// other than lp's; the records of lp are then partly set and lp is to be dropped.
void ReadLpTable(std::string_view text, const std::string& name, Tessel::Papy::LpFile& lp);

}  // namespace Linewright
