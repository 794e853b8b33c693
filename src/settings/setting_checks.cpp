// STUB: to be written
#include "console/main_form.h"

namespace kestrova {
void MainForm::Validate(std::string_view) {}
}  // namespace kestrova
