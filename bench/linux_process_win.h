// What Linux knows of a program that runs under Wine, read through the Z:
// drive (/proc), where Wine keeps no figures of another process: the CPU
// time and the wake-ups of each of its threads, its anonymous memory.
// Outside Wine there is no such process and Find gives nothing.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bench {

struct LinuxThread {
  int tid = 0;
  std::string name;           // its comm
  double cpuMs = 0;           // time on a CPU (schedstat)
  std::uint64_t wakeups = 0;  // voluntary context switches: each sleep ends in one wake-up
};

class LinuxProcess {
 public:
  // The process of this Wine prefix whose command line holds the text (a
  // run folder's name, say).
  static std::optional<LinuxProcess> Find(const std::wstring& commandLinePart);

  int Pid() const { return pid_; }
  std::vector<LinuxThread> Threads() const;
  // The CPU time of the threads it has now, in ms.
  double CpuMs() const;
  // Resident anonymous memory (RssAnon) and all resident memory (VmRSS), in KiB.
  std::uint64_t AnonymousKib() const;
  std::uint64_t ResidentKib() const;
  // Whether a file whose path holds the text is mapped (a DLL loaded).
  bool Maps(const std::string& file) const;

 private:
  explicit LinuxProcess(int pid) : pid_(pid) {}
  std::uint64_t Status(const char* key) const;
  int pid_;
};

// What one process did over an interval.
struct ProcessFigures {
  double seconds = 0;
  double cpuMs = 0;
  std::vector<LinuxThread> threads;  // cpuMs and wakeups over the interval
  double Share() const { return cpuMs / (seconds * 1000.0); }
};

// An interval from construction to End, over the process's threads.
class ProcessInterval {
 public:
  explicit ProcessInterval(const LinuxProcess& process);
  ProcessFigures End() const;

 private:
  LinuxProcess process_;
  double start_;
  std::map<int, LinuxThread> before_;
};

// True under Wine.
bool UnderWine();

// The machine's load average over 1, 5 and 15 minutes, as /proc/loadavg
// gives it; empty outside Wine.
std::string LoadAverage();

}  // namespace bench
