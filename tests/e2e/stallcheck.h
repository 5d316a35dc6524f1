#pragma once

// Plays questions through the real window, clock and sound player and
// measures the longest stall of the window's thread; see stallcheck.cpp.
// Returns the exit code.
int stallCheck(int argc, char **argv, bool hungServer, int questions, int toleranceMs);
