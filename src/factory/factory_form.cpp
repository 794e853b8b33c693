// STUB: to be written
#include "console/main_form.h"
#include "factory/factory_forms.h"

namespace kestrova {
void FactoryForm::F_Setup_Command_Click() {}
void FactoryForm::S_H_Fan_Text_Validate() {}
void FactoryForm::Form_Unload() {}
}  // namespace kestrova
