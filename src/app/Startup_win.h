// Start-up steps of the main window's creation, over the real system.
#pragma once

#include <string>
#include <vector>

#include "app/SystemLocations.h"
#include "config/Catalogue.h"

namespace vconfig {

class Application;

// The command-line arguments after the program name.
std::vector<std::string> CommandLineArgs();

// The three guard checks, with their message boxes; a failure terminates the
// application.
bool RunSuiteGuard(Application& application);

// Chooses the language through the settings file and loads its module.
bool LoadLanguageModule();

// The base locations of the configuration sources on this system.
SystemLocations ReadSystemLocations();

// The catalogue for the reported Windows version, titled from the language module
// (so after the language is loaded).
Catalogue BuildCatalogue();

// Removes the temporary files that a rewrite interrupted by a crash left beside the
// configuration files.
void RemoveStrayTempFiles(const Catalogue& catalogue, const SystemLocations& locations);

}  // namespace vconfig
