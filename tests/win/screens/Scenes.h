// The scenes of the screenshots program: each sets up windows of the program or of its
// controls as a user would see them and saves pictures of them (or what the program
// wrote meanwhile: the report samples).
#pragma once

#include <windows.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace vscreens {

// A step of a scene that did not come about: the scene ends there, without its
// remaining pictures.
class SceneFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Returns what a step produced, or ends the scene when it produced nothing.
template <typename T>
T Need(T result, const char* step) {
  if (!result) throw SceneFailed(step);
  return result;
}

// The folder the pictures go to and the names of the pictures wanted. A name stands
// for a picture or for a sample written in one or more forms (NAME.txt, NAME.htm).
class Shots {
 public:
  Shots(std::string folder, std::set<std::string> wanted)
      : folder_(std::move(folder)), wanted_(std::move(wanted)) {}
  bool Wants(const std::string& name) const { return wanted_.count(name) != 0; }
  // The path for picture `name` with the given extension.
  std::string PathOf(const std::string& name, const char* extension) const;
  // Saves `area` of the screen as NAME.bmp once the windows of process `pid` have
  // settled; skips pictures that are not wanted.
  void Save(const std::string& name, const RECT& area, DWORD pid);
  // Records a picture that a scene wrote itself.
  void Saved(const std::string& name);
  const std::set<std::string>& saved() const { return saved_; }

 private:
  std::string folder_;
  std::set<std::string> wanted_;
  std::set<std::string> saved_;
};

// A fresh folder under %TEMP% (path ends with a backslash), removed with what it holds
// on destruction.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

struct Scene {
  const char* name;
  std::vector<std::string> pictures;  // names, without extension
  void (*run)(Shots&);
  // Taken in a 64-bit prefix, where the program runs under WOW64, and only there.
  bool wow64 = false;
};

// The running program: main window, editor, about box and language dialog, the
// editing dialogs, the report window and its saved samples, a printout.
void MainWindowScene(Shots& shots);
// The main window with both of the machine's Run keys open (a 64-bit prefix).
void Wow64MainWindowScene(Shots& shots);
void AboutScene(Shots& shots);
void EditingScene(Shots& shots);
// The content list's popup menu opened from the keyboard, and a row's tooltip.
void ContentKeysScene(Shots& shots);
void ReportScene(Shots& shots);
void PrintScene(Shots& shots);
// The exception reporter's dialog in its test program.
void ErrorDialogScene(Shots& shots);
// Controls in windows of this process: the section list in its three set-ups, the
// markup gallery and a form wearing all of the chrome.
void SectionListScene(Shots& shots);
void MarkupGalleryScene(Shots& shots);
void ChromeScene(Shots& shots);

}  // namespace vscreens
