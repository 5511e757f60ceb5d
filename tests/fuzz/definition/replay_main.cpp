// The definition reader's seeds, mutated with the bytes that shape a definition file.
#include "tests/fuzz/replay/replay.h"

int main(int argc, char** argv) {
    torva::fuzz::ReplayPlan plan;
    plan.alphabet = ",\"*[]:|<>\\ .\r\n0123456789-CMDPAGEVERMODESTRENDAFTTIMRCTLPIC\x82\x95\xff";
    plan.rounds = 200;
    return torva::fuzz::ReplayMain(argc, argv, plan);
}
