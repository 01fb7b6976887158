// The windows that exist once per run, created at start in this order.
#pragma once

namespace vconfig {

class MainWindow;
class EditorWindow;
class LineDialog;
class ValueDialog;

MainWindow* UpravitFrm();
EditorWindow* TextEditfrm();
LineDialog* textNEFrm();
ValueDialog* RegNeVAlFrm();

// Creates the windows, runs the message loop and frees them again.
void RunProgram();

}  // namespace vconfig
