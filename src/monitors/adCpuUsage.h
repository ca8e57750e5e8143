#pragma once

namespace monitors {
class ICpuDataSource;
}

// The process's one CPU usage sampler. Every call comes from the window thread.
// Failures are raised as core::Error with the text the error box shows.

// Picks the platform family; the other calls need it first.
void InitCpuSampler();
// The same over another data source: lets tests of the sampler's users choose
// the loads. The source must outlive CloseCpuSampler.
void InitCpuSampler(monitors::ICpuDataSource& source);

void TakeCpuSample();
// Processor entries; the first call on the NT family takes a sample to count them.
int CpuSlotCount();
// Load of an entry as a fraction, 1.0 = fully busy; may stray slightly outside 0..1.
double CpuLoadFraction(int index);
// Stops the 95/98/Me statistic and releases the sampler's buffers.
void CloseCpuSampler();
