// quelmar-cli.
int main() { return 0; }
