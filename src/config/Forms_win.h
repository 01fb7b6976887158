// The windows that exist once per run, created at start in this order.
#pragma once

namespace vconfig {

class TUpravitFrm;
class TTextEditfrm;
class TtextNEFrm;
class TRegNeVAlFrm;

TUpravitFrm* UpravitFrm();
TTextEditfrm* TextEditfrm();
TtextNEFrm* textNEFrm();
TRegNeVAlFrm* RegNeVAlFrm();

// Creates the windows, runs the message loop and frees them again.
void RunProgram();

}  // namespace vconfig
