# The hardening Debian builds its packages with: a stack protector, probes
# against stack clash, fortified C library calls, and a global offset table
# that is resolved at start and then made read-only (relro, now), so a stray
# write cannot redirect a library call. The compiler already makes a
# position-independent executable.
#
# The sanitizer build is left as it is: AddressSanitizer checks the stack
# and the C library calls itself, more closely, and fortified calls would go
# round some of its checks. A distribution's build turns these flags off
# (-DKORUBEL_HARDENING=OFF, as debian/rules does) and hardens through the
# flags it passes in, which then are the only ones.
option(KORUBEL_HARDENING "Add the project's own hardening flags (off when the build's flags come from elsewhere)" ON)
if(KORUBEL_HARDENING AND NOT KORUBEL_SANITIZE AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    include(CheckCXXCompilerFlag)
    add_compile_options(-fstack-protector-strong)
    check_cxx_compiler_flag(-fstack-clash-protection KORUBEL_HAVE_STACK_CLASH_PROTECTION)
    if(KORUBEL_HAVE_STACK_CLASH_PROTECTION)
        add_compile_options(-fstack-clash-protection)
    endif()
    # _FORTIFY_SOURCE works through the optimiser; without it the C library
    # only warns, so it is set for the optimised builds alone.
    add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
