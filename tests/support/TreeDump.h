#pragma once
// Helpers that look at a whole analysis: a flat text dump for comparing two trees, and a
// check of the tree's structural invariants.

#include <string>

#include "engine/TKestrafold.h"

namespace kf::test {

// One line per record, depth first in list order: path, kind, size, allocated size,
// attributes, dates (a folder's access time left out: reading it may change it), counts,
// type. Then one line per extension row.
std::string DumpTree(const TKestrafold &engine);

// Empty when the tree keeps its invariants, otherwise what is wrong: every record's parent is
// the folder of its list, folders have the folder type, a folder's cFiles is the number of
// file records in its SubList, allocated sizes are whole clusters not below the size, and
// ExtList holds one row per extension whose counts add up to the files of the tree.
std::string CheckInvariants(const TKestrafold &engine);

} // namespace kf::test
