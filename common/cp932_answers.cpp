// Answers of the C library's converter, tabled at build time by cp932_tables_gen.cpp.
#include "common/cp932_answers.h"

namespace torva::cp932 {

namespace {
#include "cp932_tables.inc"
}  // namespace

std::uint16_t SingleByte(unsigned char byte) {
    return kSingle[byte];
}

std::uint16_t DoubleByte(unsigned char lead, unsigned char trail) {
    return kPair[kLeadRow[lead] * 256 + trail];
}

std::uint16_t CodeOf(char16_t cp) {
    return kEncode[cp];
}

}  // namespace torva::cp932
