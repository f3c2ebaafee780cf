#pragma once

namespace platform {

// Raises the calling thread to the highest real-time priority that the system
// allows it, for as long as the object lives; the thread's former scheduling
// comes back in the destructor, so every way out of a scope restores it. When
// the system refuses, the thread keeps the priority it has.
class RealTimePriority {
 public:
  RealTimePriority();
  ~RealTimePriority();

  RealTimePriority(const RealTimePriority&) = delete;
  RealTimePriority& operator=(const RealTimePriority&) = delete;

  bool IsRaised() const { return m_raised; }

 private:
  int m_saved_policy = 0;
  int m_saved_priority = 0;
  bool m_raised = false;
};

}  // namespace platform
