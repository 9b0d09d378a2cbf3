// A program that does nothing: the tests read its version resource and its icon.
int main() { return 0; }
