#include "common/run_error.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

namespace torva {
namespace {

template <typename F>
std::exception_ptr Thrown(F&& f) {
    try {
        f();
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

TEST(RunErrorNumberOf, EachKindOfFailureHasItsNumber) {
    EXPECT_EQ(RunErrorNumberOf(Thrown([] { throw RunError(kErrOverflow, "16-bit field"); })), kErrOverflow);
    EXPECT_EQ(RunErrorNumberOf(Thrown([] { throw RunError(kErrFileNotFound); })), kErrFileNotFound);
    EXPECT_EQ(RunErrorNumberOf(Thrown([] { throw std::bad_alloc(); })), kErrOutOfMemory);
    // A standard failure other than memory, and a throw of something that is no exception at all.
    EXPECT_EQ(RunErrorNumberOf(Thrown([] { throw std::out_of_range("index"); })), kErrInvalidCall);
    EXPECT_EQ(RunErrorNumberOf(Thrown([] { throw 42; })), kErrInvalidCall);
    EXPECT_EQ(RunErrorNumberOf(Thrown([] { throw std::string("text"); })), kErrInvalidCall);
}

TEST(RunErrorNumberOf, ADerivedFailureKeepsItsOwnNumber) {
    struct PictureError : RunError {
        PictureError() : RunError(kErrInvalidPicture, "picture") {}
    };
    EXPECT_EQ(RunErrorNumberOf(Thrown([] { throw PictureError(); })), kErrInvalidPicture);
}

TEST(RunErrorNumberOf, NoFailureAtAllIsStillAnInvalidCall) {
    EXPECT_EQ(RunErrorNumberOf(nullptr), kErrInvalidCall);
}

}  // namespace
}  // namespace torva
