// Mailslot messages: fixed seeds of both kinds and of broken forms, mutated with digits, the separator
// and Shift-JIS lead bytes.
#include "tests/fuzz/replay/replay.h"

int main(int argc, char** argv) {
    torva::fuzz::ReplayPlan plan;
    plan.fixedSeeds = {"0312",
                       "9924",
                       "0000",
                       "9999PC02:hello:world",
                       "9999",
                       "",
                       "03\x82\xA0",
                       "9999\x93\xFA\x96\x7B:\x82\xA0",
                       "\xFF\xFF\xFF\xFF",
                       "1234567890"};
    plan.alphabet = "0123456789:9\x82\x95\xff ";
    plan.rounds = 2000;
    return torva::fuzz::ReplayMain(argc, argv, plan);
}
