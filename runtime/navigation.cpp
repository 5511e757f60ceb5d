#include "runtime/navigation.h"

namespace torva::runtime {

int NextFocusButton(int mode, int i, ArrowKey key) {
    const int last = mode == 9 ? 24 : 12;
    if (i < 1 || i > last) return 0;
    switch (key) {
        case ArrowKey::Up:
            return i == 1 ? last : i - 1;
        case ArrowKey::Down:
            return i == last ? 1 : i + 1;
        case ArrowKey::Left:
        case ArrowKey::Right: {
            const bool left = key == ArrowKey::Left;
            switch (mode) {
                case 1:
                case 4:
                case 8:
                    if (left) return i >= 7 ? i - 6 : 0;
                    return i <= 6 ? i + 6 : 0;
                case 5:
                case 6:
                    if (left) return i == 1 ? 12 : i - 1;
                    return i == 12 ? 1 : i + 1;
                case 9:
                    if (left) return i > 8 ? i - 8 : 0;
                    return i <= 16 ? i + 8 : 0;
                default:  // the single columns of modes 2, 3 and 7
                    return 0;
            }
        }
    }
    return 0;
}

int NextDefinedPage(int current, bool forward, const DefinedPages& defined) {
    if (current < 1 || current > kMaxPages) current = 1;
    int page = current;
    for (int step = 0; step < kMaxPages; ++step) {
        page = forward ? (page == kMaxPages ? 1 : page + 1) : (page == 1 ? kMaxPages : page - 1);
        if (page >= 1 && page <= kMaxPages && defined[page]) return page;
    }
    return current;
}

}  // namespace torva::runtime
