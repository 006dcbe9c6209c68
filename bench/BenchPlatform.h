#pragma once
// What every benchmark sets up and measures with: the application object on
// the offscreen platform (unless QT_QPA_PLATFORM says otherwise), and timing.

#include <chrono>
#include <string>
#include <vector>

using Clock = std::chrono::steady_clock;

// The window system and an application object named "sorabun", as the
// program has them; modal runs without a script are cancelled, not waited on.
void StartBenchPlatform();
double MillisecondsSince(Clock::time_point start);
double Median(std::vector<double> values);
// Milliseconds that `LC_ALL=C ls <options> <directory>` takes, output discarded.
double TimeLs(const std::string& options, const std::string& directory);
