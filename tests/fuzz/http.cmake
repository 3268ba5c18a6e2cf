fl_fuzz_target(http HttpMessageFuzz.cpp DEPS)
target_sources(fuzz_http PRIVATE ${CMAKE_SOURCE_DIR}/update/HttpMessage.cpp)
