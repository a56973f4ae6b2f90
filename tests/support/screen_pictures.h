// The screens' record in build/screens/: one picture of a screen class as a test first shows it.
// Tests run side by side, so each file has one writer, named here; a screen whose picture a test
// draws itself at its best moment (TForm14, TForm30, ...) has none.
#pragma once

#include <string>

namespace corvanth::test {

// Whether the running test draws the first sight of `form`.
bool DrawsPicture(const std::string& form);

}  // namespace corvanth::test
