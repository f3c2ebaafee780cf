#pragma once

// Virtual game controllers plugged into SDL for as long as this object
// lives. Attaching needs SDL's joystick part, so the constructor starts it;
// the gamepad system's own start later only adds the game-controller part.
class VirtualPads {
 public:
  explicit VirtualPads(int count);
  ~VirtualPads();
  VirtualPads(const VirtualPads&) = delete;
  VirtualPads& operator=(const VirtualPads&) = delete;

  // How many pads were attached; fewer than asked when SDL refused.
  int Count() const { return m_count; }

 private:
  bool m_joystick_started = false;
  int m_count = 0;
};
