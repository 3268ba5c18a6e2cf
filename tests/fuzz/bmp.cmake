fl_fuzz_target(bmp BmpFuzz.cpp DEPS fl_picture)
