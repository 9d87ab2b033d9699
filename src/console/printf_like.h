#pragma once

// Lets the compiler check the arguments of a printf-style function against
// its format, where the compiler knows how; elsewhere it checks nothing.
#if defined(__GNUC__)
#define PRINTF_LIKE(formatArgument, firstValue) \
    __attribute__((format(printf, formatArgument, firstValue)))
#else
#define PRINTF_LIKE(formatArgument, firstValue)
#endif

// Only ever named inside sizeof, never called: the compiler checks a call of
// it as it checks printf, for a format that is passed on in another form.
int checkPrintfArguments(const char* format, ...) PRINTF_LIKE(1, 2);
