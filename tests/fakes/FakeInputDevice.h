#pragma once
// An input device that plays a script: one keyboard snapshot and one mouse
// motion per read. Past the end of the script every key is up and the mouse
// is still.
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/InputDevice.h"

namespace fl::test {

struct InputStep {
  std::vector<int> keysDown;
  MouseMotion motion;
};

class FakeInputDevice : public InputDevice {
 public:
  std::vector<InputStep> steps;
  bool mouseWorks = true;
  bool keyboardWorks = true;
  std::vector<std::string> inits;  // "mouse", "keyboard" in call order
  std::size_t keyReads = 0;
  std::size_t mouseReads = 0;

  // Adds one step: the keys held down at that read and the motion since the last.
  FakeInputDevice& Step(std::initializer_list<int> keysDown, MouseMotion motion = {}) {
    steps.push_back({keysDown, motion});
    return *this;
  }
  // Adds a key press over two reads: down, then up.
  FakeInputDevice& Tap(int key) { return Step({key}).Step({}); }

  bool InitMouse() override {
    inits.push_back("mouse");
    return mouseWorks;
  }
  bool InitKeyboard() override {
    inits.push_back("keyboard");
    return keyboardWorks;
  }
  void ReadKeys(KeyStates& down) override {
    down.fill(false);
    if (keyReads < steps.size()) {
      for (int key : steps[keyReads].keysDown) down[static_cast<std::size_t>(key)] = true;
    }
    ++keyReads;
  }
  MouseMotion ReadMouse() override {
    MouseMotion motion = mouseReads < steps.size() ? steps[mouseReads].motion : MouseMotion{};
    ++mouseReads;
    return motion;
  }
};

}  // namespace fl::test
