// Linked into the executables only: the tests keep the library's own.
#include <cstddef>
#include <cstdlib>
#include <string>

// The executables are built without exceptions: a throw from the library (memory exhausted, a string past
// its maximum) ends the program, as an exception escaping its code would. Ending it here, where the library
// would throw, keeps the whole exception runtime out (its unwinder, its thread-local
// state over the pthreads emulation, the exception classes and the old strings they carry: 92 KB).
// The library's own terminate handler would bring the demangler too.
// NOLINTBEGIN(bugprone-reserved-identifier): the library's own names, which these replace.
namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_bad_function_call() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
}  // namespace std
// NOLINTEND(bugprone-reserved-identifier)

// From GCC 13 the library's headers declare this one member of its strings instantiated in the
// library even for C++20, so an overlapping replace in our code would call the library's copy, whose
// object file was compiled with exceptions: it brings the unwinder, the verbose terminate handler with
// the demangler and the threads library's locks along (160 KB in either executable). Instantiated here,
// without exceptions, the library's copy is never linked.
#if defined(_GLIBCXX_RELEASE) && _GLIBCXX_RELEASE >= 13
template void std::string::_M_replace_cold(char*, size_type, const char*, size_type, size_type);
template void std::wstring::_M_replace_cold(wchar_t*, size_type, const wchar_t*, size_type, size_type);
#endif

void* operator new(std::size_t size) {
  if (void* block = std::malloc(size ? size : 1)) return block;
  std::abort();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
