kn_fuzz_target(perfdata PerfDataFuzz.cpp)
kn_fuzz_target(intconv IntConvFuzz.cpp)
kn_fuzz_target(settingsfloat SettingsFloatFuzz.cpp)
kn_fuzz_target(datetimetext DateTimeTextFuzz.cpp)
