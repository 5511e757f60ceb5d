// The journal's seeds, mutated with the bytes that shape a journal line.
#include "tests/fuzz/replay/replay.h"

int main(int argc, char** argv) {
    torva::fuzz::ReplayPlan plan;
    plan.alphabet = "{}[]:,\"\\\n\r 0123456789-.TZeventidtimestartendexitCodedurationMspagebutton";
    plan.rounds = 300;
    return torva::fuzz::ReplayMain(argc, argv, plan);
}
