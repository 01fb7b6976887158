// The popup commands of the main window's content list.
#include "config/Upravy_win.h"

namespace vconfig {

void TUpravitFrm::Add1Click() {}
void TUpravitFrm::Edit1Click() {}
void TUpravitFrm::Rem1Click() {}
void TUpravitFrm::View1Click() {}
void TUpravitFrm::Add2Click() {}
void TUpravitFrm::Edit2Click() {}
void TUpravitFrm::Rem2Click() {}
void TUpravitFrm::View2Click() {}

}  // namespace vconfig
