// Preloaded into quillox-cli by the memory image test. An unprivileged tracer
// may not read the memory of a program that made itself undumpable, so gdb
// would write an image of zeros and the test would prove nothing. Keeping the
// program dumpable lets the image show what is really left in its memory.
#include <dlfcn.h>
#include <sys/prctl.h>

#include <cstdarg>

extern "C" int prctl(int option, ...) {
    va_list arguments;
    va_start(arguments, option);
    const unsigned long second = va_arg(arguments, unsigned long);
    const unsigned long third = va_arg(arguments, unsigned long);
    const unsigned long fourth = va_arg(arguments, unsigned long);
    const unsigned long fifth = va_arg(arguments, unsigned long);
    va_end(arguments);
    if (option == PR_SET_DUMPABLE)
        return 0;
    using Prctl = int (*)(int, ...);
    const auto next = reinterpret_cast<Prctl>(dlsym(RTLD_NEXT, "prctl"));
    return next ? next(option, second, third, fourth, fifth) : -1;
}
