// Writes tidewell.1 and tidewell-chart.1 into the folder given, at build time.
#include <fstream>
#include <iostream>
#include <string>

#include "cli/manual.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "usage: make_man_pages FOLDER\n";
    return 2;
  }
  const std::string folder = argv[1];
  for (const auto& [name, page] : {std::pair{"tidewell.1", tw::cli::windowManual()},
                                   std::pair{"tidewell-chart.1", tw::cli::chartManual()}}) {
    // The build's own output folder: a plain stream is enough here.
    std::ofstream out(folder + "/" + name, std::ios::binary | std::ios::trunc);
    out << page;
    if (!out.flush()) {
      std::cerr << "make_man_pages: cannot write " << folder << "/" << name << "\n";
      return 1;
    }
  }
  return 0;
}
