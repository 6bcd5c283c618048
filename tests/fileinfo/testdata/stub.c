/* Carrier program for the version-resource samples; it never runs. */
int main(void) { return 0; }
