// The senator's story.
#include "career/storyteller.h"

namespace corvanth {

// The story's letters and meetings arrive with the governors' offices; until then no senator
// writes.
void UpdateSenatorStory() {}

}  // namespace corvanth
