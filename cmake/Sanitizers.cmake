# AddressSanitizer and UndefinedBehaviorSanitizer over our own code, the substitute controller included. The
# test command builds this into build-sanitize/ and runs every test there; any report fails the test.
option(OTTHON_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
# The reply fuzzer (tests/fuzz) needs clang and libFuzzer's coverage instrumentation over the code it drives. The
# sanitized build of the test command (build-sanitize/, clang) has it on, so one build serves the tests under the
# sanitizers and the fuzzer.
option(OTTHON_FUZZ "Also build the reply fuzzer (clang, libFuzzer; implies OTTHON_SANITIZE)" OFF)
if(OTTHON_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "OTTHON_FUZZ needs clang: CC=clang CXX=clang++")
    endif()
    set(OTTHON_SANITIZE ON)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# The options every sanitized program of ours runs with: the tests (through CTest, see tests/CMakeLists.txt)
# and the build's own tools (the art renderer). Empty without sanitizers.
set(OTTHON_SANITIZER_ENVIRONMENT "")

if(OTTHON_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -O1)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        # Reports need file and line, not the types and variables of full debug information, which only
        # make the build slower.
        add_compile_options(-gline-tables-only)
    endif()
    add_link_options(-fsanitize=address,undefined)
    set(OTTHON_SANITIZER_ENVIRONMENT
        # Leaks are reported at exit, and tests/lsan-suppressions.txt names the library functions whose own
        # allocations it covers. Qt is built without frame pointers, where the fast unwinder stops, so stacks
        # are taken the slow way: whole, with those functions in them.
        "ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0:check_initialization_order=1:strict_init_order=1"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
        "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan-suppressions.txt:print_suppressions=0")
endif()
