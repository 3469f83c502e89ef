// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program from its command line to its exit status: prints the usage or version (without
// needing a display), hands the arguments to the program already running for this user and data
// directory, or starts the frame (or the text pads) itself.
int runProgram(int &argc, char **argv);
