#pragma once

// The sampler's failure texts; the error box shows them as they are.
namespace monitors::cpu_errors {

inline constexpr char kNoVersion[] = "Can't get the Windows version";
inline constexpr char kIndexOutOfBounds[] = "CPU index out of bounds";
inline constexpr char kNoProcessorObject[] = "Unable to locate the \"Processor\" performance object";
inline constexpr char kNoIdleCounter[] = "Unable to locate the \"% of CPU usage\" performance counter";
inline constexpr char kCannotStartStatistic[] = "Unable to start performance monitoring";
inline constexpr char kCannotReadStatistic[] = "Unable to read performance data";

} // namespace monitors::cpu_errors
