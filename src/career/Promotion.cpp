// Promotions and awards.
#include "career/Promotion.h"

namespace corvanth {

// The award steps, ranks and medals come with the career rules; until they do, reaching a
// threshold earns nothing, so the check leaves the game as it is.
void CheckPromotion() {}

}  // namespace corvanth
