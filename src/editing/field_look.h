#pragma once
// The look of an input field that is switched on or off (ShowFieldActive):
// the add-category dialog and the update window grey out the fields that
// do not apply. The window applies the look; a label is simply enabled or
// disabled.

#include "base/color.h"

namespace lrv {

// The system colours the look is made from.
struct SystemColours {
  Rgb window;
  Rgb windowText;
  Rgb buttonFace;
};

struct FieldLook {
  Rgb background;
  Rgb text;
  bool readOnly = false;  // edit boxes only
  bool tabStop = true;    // edit boxes only
};

// Active: window background and window-text colour, editable, a tab stop.
// Inactive: the button face and the window text each lightened by 60,
// read-only and no tab stop.
FieldLook ShowFieldActive(bool active, const SystemColours& colours);

}  // namespace lrv
