// The customs scan.
#include "career/governor.h"

namespace corvanth {

// The customs rules and their penalties arrive with the governors' offices; until then the
// customs officers wave every ship through.
bool ScanForContraband(int) {
    return false;
}

}  // namespace corvanth
