// The senator's story: the letter, the meetings, the gift, the informant and the wedding.
#pragma once

namespace corvanth {

// Moves the senator's story on; the last thing of every turn.
void UpdateSenatorStory();

}  // namespace corvanth
