#pragma once
// What the kernel says about this process: its peak memory and its age.

// The resident set's high-water mark (VmHWM) in KiB, or -1.
long PeakResidentKiB();
// Milliseconds since the process started (its start time in /proc), or -1.
double MillisecondsSinceProcessStart();
