#pragma once
// The keys the windows' own rules tell apart, named apart from any toolkit; the Qt side says
// which one a key event is.
namespace tw {

enum class Key { Other, Left, Right, Up, Down, Home, Return, Space, F4, Modifier };

struct KeyPress {
  Key key = Key::Other;
  bool alt = false;   // Alt held
  bool plain = true;  // no modifier held, not even the keypad's
};

}  // namespace tw
