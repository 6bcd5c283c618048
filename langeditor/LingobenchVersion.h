// Lingobench's own version, kept as major.minor.build.revision: used by the version resource and
// the manifest. Its text has the minor in two digits and the revision in four: 0.00.0009.
#pragma once

#include "base/Stringize.h"

#define LINGOBENCH_VER_MAJOR 0
#define LINGOBENCH_VER_MINOR 0
#define LINGOBENCH_VER_BUILD 0
#define LINGOBENCH_VER_REVISION 9

#if LINGOBENCH_VER_MINOR < 10
#define LINGOBENCH_VER_MINOR_ZEROS "0"
#else
#define LINGOBENCH_VER_MINOR_ZEROS ""
#endif
#if LINGOBENCH_VER_REVISION < 10
#define LINGOBENCH_VER_REVISION_ZEROS "000"
#elif LINGOBENCH_VER_REVISION < 100
#define LINGOBENCH_VER_REVISION_ZEROS "00"
#elif LINGOBENCH_VER_REVISION < 1000
#define LINGOBENCH_VER_REVISION_ZEROS "0"
#else
#define LINGOBENCH_VER_REVISION_ZEROS ""
#endif
#define LINGOBENCH_VER_TEXT                                                                    \
    STRINGIZE_VALUE(LINGOBENCH_VER_MAJOR) "." LINGOBENCH_VER_MINOR_ZEROS STRINGIZE_VALUE(LINGOBENCH_VER_MINOR) \
        "." LINGOBENCH_VER_REVISION_ZEROS STRINGIZE_VALUE(LINGOBENCH_VER_REVISION)
