// Answers of the C library's converter, tabled at build time by cp932_tables_gen.cpp; the look-ups
// themselves are inline in cp932_answers.h.
#include "common/cp932_answers.h"

namespace torva::cp932 {

#include "cp932_tables.inc"

}  // namespace torva::cp932
