// The sanitizers' settings of a test program, built into it rather than passed through the
// environment, so that a test checks alike whether ctest, a shell or a debugger starts it.
// PENDRA_LEAK_CHECK is 0 for the widget tests: Qt and fontconfig keep caches for the life of the
// process, which the leak check would report; leaks are checked in the tests without widgets.

#ifndef PENDRA_LEAK_CHECK
#define PENDRA_LEAK_CHECK 1
#endif

extern "C" {

__attribute__((used, visibility("default"))) const char *__asan_default_options() {
    return PENDRA_LEAK_CHECK ? "detect_leaks=1" : "detect_leaks=0";
}

__attribute__((used, visibility("default"))) const char *__ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1";
}
}
