// The linker sends the runtime's calls of __cxa_demangle here
// (--wrap=__cxa_demangle, see CMakeLists.txt). Only the default terminate
// handler calls it, to name an uncaught exception's type on a console this
// program has not got; the real demangler and the formatted printing it
// needs would be a quarter of the executable. Failing is a documented
// answer, and the handler then prints the type's mangled name.
#include <cstddef>

extern "C" char* __wrap___cxa_demangle(const char*, char*, std::size_t*, int* status) {
    if (status) *status = -2;  // not a valid mangled name
    return nullptr;
}
