#include "editing/field_look.h"

namespace lrv {

FieldLook ShowFieldActive(bool active, const SystemColours& colours) {
  if (active) return {colours.window, colours.windowText, false, true};
  return {LightenColor(colours.buttonFace, 60), LightenColor(colours.windowText, 60), true, false};
}

}  // namespace lrv
