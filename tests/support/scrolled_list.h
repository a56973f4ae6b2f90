// A list of more rows than it shows, scrolled to its end as a player does it with its bar.
#pragma once

#include <string>

#include "ui/component.h"
#include "ui/form.h"

namespace corvanth::test {

// Checks, on the top screen `f` with `list` scrolled to its first row and `shown` rows in sight:
// the bar at the list's right edge draws an arrow at each end and a thumb; a click on its lower
// arrow brings one row more into sight, so items - shown clicks show the last row whole and one
// more changes nothing; the last row then takes a click; the thumb dragged past the top shows the
// first row again and dragged past the bottom the last; no press or release on the bar selects a
// row. The screen is drawn into build/screens/<picture>.png at the end, the last row chosen.
void ScrollListToItsLastRow(ui::Form& f, ui::ListBox& list, int shown, const std::string& picture);

}  // namespace corvanth::test
