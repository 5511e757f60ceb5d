// Shortcut and old-definition seeds: every truncation and single damaged byte of each, as broken
// files present them.
#include "tests/fuzz/replay/replay.h"

int main(int argc, char** argv) {
    torva::fuzz::ReplayPlan plan;
    plan.rounds = 0;
    plan.everyPrefix = true;
    return torva::fuzz::ReplayMain(argc, argv, plan);
}
