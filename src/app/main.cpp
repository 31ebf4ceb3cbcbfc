// hazama: the game in its window.
int main() {
    return 0;
}
