// Keeps the library non-empty until the first record kind lands.
