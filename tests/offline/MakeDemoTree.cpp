// Writes the Windows XP tree of the tests into a folder, for the samples in
// docs/samples/ (scripts/report-samples.sh) and for trying vconfig-report by hand.
#include <iostream>

#include "offline/OfflineTree.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: offline_demo_tree EMPTY-FOLDER\n";
    return 2;
  }
  try {
    vconfig::testing::MakeXpTree(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "offline_demo_tree: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
