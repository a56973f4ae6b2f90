// Entry point of the game.
int main() {
    return 0;
}
