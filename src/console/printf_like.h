#pragma once

// Lets the compiler check the arguments of a printf-style function against
// its format, where the compiler knows how; elsewhere it checks nothing.
#if defined(__GNUC__)
#define PRINTF_LIKE(formatArgument, firstValue) \
    __attribute__((format(printf, formatArgument, firstValue)))
#else
#define PRINTF_LIKE(formatArgument, firstValue)
#endif
