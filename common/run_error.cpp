#include "common/run_error.h"

#include <new>

namespace torva {

int RunErrorNumberOf(const std::exception_ptr& failure) noexcept {
    if (!failure) return kErrInvalidCall;
    try {
        std::rethrow_exception(failure);
    } catch (const RunError& e) {
        return e.number();
    } catch (const std::bad_alloc&) {
        return kErrOutOfMemory;
    } catch (...) {
        return kErrInvalidCall;
    }
}

}  // namespace torva
