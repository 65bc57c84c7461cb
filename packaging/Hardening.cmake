# The hardening Debian builds its own packages with (dpkg-buildflags), which lintian looks for in a
# package's programs: checked libc calls (_FORTIFY_SOURCE) and a relocation table made read-only
# before the program starts (-z relro -z now). Not in sanitizer builds, whose runtimes replace the
# checked calls.
if(UNIX AND NOT APPLE AND NOT TL380_SANITIZE AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    # The checked calls need the optimiser (without it glibc warns, and warnings are errors here):
    # optimised build types only, and not over a level the compiler flags set already.
    if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
        add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
    endif()
    add_link_options(LINKER:-z,relro,-z,now)
endif()
