// Entry point of the game: the program block runs the whole session.
#include "shell/background.h"

int main() {
    return corvanth::ProgramBlock();
}
