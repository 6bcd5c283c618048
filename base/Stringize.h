// Spells the value of a number macro as a string literal, alike in code and in resource scripts.
#pragma once

#define STRINGIZE_VALUE_(n) #n
#define STRINGIZE_VALUE(n) STRINGIZE_VALUE_(n)
