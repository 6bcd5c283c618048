// Lingobench's own version, kept as major.minor.0.revision: 0.00.0009.
#pragma once

#define LINGOBENCH_VER_MAJOR 0
#define LINGOBENCH_VER_MINOR 0
#define LINGOBENCH_VER_REVISION 9
#define LINGOBENCH_VER_TEXT "0.00.0009"
