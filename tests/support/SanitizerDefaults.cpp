// The sanitizers' settings of a test program, built into it rather than passed through the
// environment, so that a test checks alike whether ctest, a shell or a debugger starts it. Every
// test program checks for leaks; the widget tests name, in PENDRA_LSAN_SUPPRESSIONS, the caches
// that Qt and fontconfig keep for the life of the process, so that only those go unreported.

extern "C" {

__attribute__((used, visibility("default"))) const char *__asan_default_options() {
    return "detect_leaks=1";
}

#ifdef PENDRA_LSAN_SUPPRESSIONS
__attribute__((used, visibility("default"))) const char *__lsan_default_options() {
    return "suppressions=\"" PENDRA_LSAN_SUPPRESSIONS "\"";
}
#endif

__attribute__((used, visibility("default"))) const char *__ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1";
}
}
