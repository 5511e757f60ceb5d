#pragma once
// The program-wide error state of one program: the location number of the running procedure (500
// and above) or a rule number (below 500) with its message and detail.

#include <cstdint>
#include <string>

namespace torva {

struct ErrorState {
    int16_t code = 0;
    std::string message;
    std::string detail;

    // Rule failures carry their own texts; locations only move the number.
    void SetRule(int16_t rule, std::string msg, std::string det) {
        code = rule;
        message = std::move(msg);
        detail = std::move(det);
    }
};

// Sets the location number on entry to a procedure. The number is deliberately not restored on
// exit: the report shows the last procedure entered, which is what the field reports have always
// shown and what support staff read them by.
class ErrorLocation {
  public:
    ErrorLocation(ErrorState& state, int16_t code) { state.code = code; }
    ErrorLocation(const ErrorLocation&) = delete;
    ErrorLocation& operator=(const ErrorLocation&) = delete;
};

// A shared step (a helper that the definition code, the editor and Tvtool all call) has a location
// number only in a program that gives it one. That program hands the step its error state with the
// number, and the step notes the number on entry like any procedure, so a fatal report names it. The
// default notes nothing: the runtime and Tvtool give these steps no numbers of their own.
struct StepLocation {
    ErrorState* state = nullptr;
    int16_t code = 0;
};

inline void EnterStep(const StepLocation& at) {
    if (at.state) at.state->code = at.code;
}

}  // namespace torva
