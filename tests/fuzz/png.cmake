fl_fuzz_target(png PngFuzz.cpp DEPS fl_picture)
