// The screenshots program: sets up the windows that docs/screenshots/ shows and saves
// their pictures into a folder (BMP; the printed page as PNG), with the report samples
// of docs/samples/ (text, HTML, PDF). scripts/screenshots.sh runs it on a virtual
// display and turns the pictures into the committed PNG files.
//
//   screens.exe OUT_FOLDER [NAME...]    everything, or only the pictures and samples named
//
// Everything is what this prefix can show: the pictures of the 64-bit prefix there,
// all the others in a 32-bit one.
#include <windows.h>

#include <cstdio>

#include "harness/Harness.h"
#include "platform/SystemInfo_win.h"
#include "screens/Capture.h"
#include "screens/Scenes.h"

namespace vscreens {

std::string Shots::PathOf(const std::string& name, const char* extension) const {
  return folder_ + "\\" + name + "." + extension;
}

void Shots::Save(const std::string& name, const RECT& area, DWORD pid) {
  if (!Wants(name)) return;
  if (!SaveWhenSettled(PathOf(name, "bmp"), area, pid))
    throw SceneFailed("save " + name + " (the screen did not settle, or the file)");
  Saved(name);
}

void Shots::Saved(const std::string& name) {
  saved_.insert(name);
  std::printf("%s\n", name.c_str());
  std::fflush(stdout);
}

ScratchFolder::ScratchFolder(const std::string& name) : path_(vtest::TempFolder(name)) {}

ScratchFolder::~ScratchFolder() { vtest::RemoveTree(path_); }

namespace {

const Scene kScenes[] = {
    {"main window", {"main-window-group0", "main-window-group1", "editor-window"}, MainWindowScene},
    {"about", {"about-box", "language-dialog"}, AboutScene},
    {"editing", {"line-dialog", "line-removal-question", "value-dialog"}, EditingScene},
    {"content keys", {"popup-menu", "row-tooltip"}, ContentKeysScene},
    {"report", {"report-window", "saved-report", "content-autoexec", "content-run"}, ReportScene},
    {"print", {"printed-page1", "printed-report"}, PrintScene},
    {"error dialog", {"exc-dialog-details", "exc-dialog-registers"}, ErrorDialogScene},
    {"section list", {"sectionlist-sources", "sectionlist-content", "sectionlist-report"}, SectionListScene},
    {"markup gallery", {"markup-gallery-after"}, MarkupGalleryScene},
    {"chrome", {"chrome_form"}, ChromeScene},
    {"main window on 64-bit Windows", {"main-window-wow64"}, Wow64MainWindowScene, true},
};

int Usage() {
  std::fprintf(stderr, "usage: screens.exe OUT_FOLDER [NAME...]\nnames:");
  for (const Scene& scene : kScenes)
    for (const std::string& picture : scene.pictures) std::fprintf(stderr, " %s", picture.c_str());
  std::fprintf(stderr, "\n");
  return 2;
}

}  // namespace
}  // namespace vscreens

int main(int argc, char** argv) {
  using namespace vscreens;
  if (argc < 2) return Usage();
  std::set<std::string> known, wanted;
  for (const Scene& scene : kScenes) known.insert(scene.pictures.begin(), scene.pictures.end());
  for (int i = 2; i < argc; ++i) {
    if (!known.count(argv[i])) return Usage();
    wanted.insert(argv[i]);
  }
  if (wanted.empty()) {
    for (const Scene& scene : kScenes)
      if (scene.wow64 == vconfig::RunsUnderWow64())
        wanted.insert(scene.pictures.begin(), scene.pictures.end());
  }

  Shots shots(argv[1], wanted);
  for (const Scene& scene : kScenes) {
    bool needed = false;
    for (const std::string& picture : scene.pictures) needed = needed || shots.Wants(picture);
    if (!needed) continue;
    try {
      scene.run(shots);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "screens: %s: could not %s\n", scene.name, e.what());
    }
  }
  int missing = 0;
  for (const std::string& picture : wanted) {
    if (shots.saved().count(picture)) continue;
    std::fprintf(stderr, "screens: missing %s\n", picture.c_str());
    ++missing;
  }
  return missing ? 1 : 0;
}
