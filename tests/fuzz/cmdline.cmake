fl_fuzz_target(cmdline CommandLineFuzz.cpp DEPS)
target_sources(fuzz_cmdline PRIVATE ${CMAKE_SOURCE_DIR}/app/CommandLine.cpp)
