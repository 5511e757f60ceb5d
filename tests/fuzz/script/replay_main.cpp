// The script line parser's seeds, mutated with the bytes that shape a script line.
#include "tests/fuzz/replay/replay.h"

int main(int argc, char** argv) {
    torva::fuzz::ReplayPlan plan;
    plan.alphabet = ":*<>=\"| \\.\r\n0123456789-WAITCODEBACKRCTLMSG";
    plan.rounds = 300;
    return torva::fuzz::ReplayMain(argc, argv, plan);
}
