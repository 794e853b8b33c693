// STUB: the board simulator, to be written.
int main() { return 0; }
