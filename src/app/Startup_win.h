// Start-up steps of the main window's creation, over the real system.
#pragma once

#include <string>
#include <vector>

namespace vconfig {

// The command-line arguments after the program name.
std::vector<std::string> CommandLineArgs();

// The three guard checks, with their message boxes and termination request.
bool RunSuiteGuard();

// Chooses the language through the settings file and loads its module.
bool LoadLanguageModule();

// Fills the process-wide system locations.
void ReadSystemLocations();

// Sets up the process-wide catalogue (after the two steps above).
void SetUpCatalogue();

}  // namespace vconfig
