fl_fuzz_target(jpeg JpegFuzz.cpp DEPS fl_picture)
