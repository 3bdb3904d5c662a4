// A program that only links one layer of the game whole with the layers below it; building it
// proves the layer calls nothing above itself.
int main() { return 0; }
