fl_fuzz_target(ini IniFuzz.cpp DEPS fl_settings)
