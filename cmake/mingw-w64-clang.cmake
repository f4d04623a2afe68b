# Cross-compiles for 64-bit Windows with Clang and lld, against the same MinGW-w64 headers, import
# libraries and posix-model libstdc++ as cmake/mingw-w64.cmake: a second compiler's warnings and
# clang-tidy over the code GCC ships. tamarak.exe and the release zip still come from GCC.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET x86_64-w64-windows-gnu)
set(CMAKE_CXX_COMPILER_TARGET x86_64-w64-windows-gnu)
# The sysroot holds the Windows headers and import libraries, and keeps the host's /usr/include out.
set(CMAKE_SYSROOT /usr/x86_64-w64-mingw32)

# Clang cannot read a version out of Debian's GCC folder names (12-posix, 12-win32), so it finds
# neither libstdc++ nor libgcc: take both from the posix-model g++, the one the GCC build uses.
execute_process(COMMAND x86_64-w64-mingw32-g++-posix -print-libgcc-file-name
                OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(gcc_dir "${libgcc}" DIRECTORY)
set(CMAKE_CXX_FLAGS_INIT "-stdlib++-isystem ${gcc_dir}/include/c++ \
-stdlib++-isystem ${gcc_dir}/include/c++/x86_64-w64-mingw32 -stdlib++-isystem ${gcc_dir}/include/c++/backward")
# -pthread: the posix model's libgcc keeps thread-local data through winpthreads, which g++-posix
# links by itself and clang only when asked.
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-fuse-ld=lld -L${gcc_dir} -pthread")
endforeach()
