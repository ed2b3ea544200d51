// One tarvik-cli choice of every family the window builds: the command's arguments before
// --json and --save. The command line and the window must build the same section from each,
// and a file saved from one must reopen as the same section.
#pragma once

#include <string>
#include <vector>

namespace tarvik::test {

inline std::vector<std::vector<std::string>> EveryFamily(const std::string& profiles) {
  auto rolled = [&](std::vector<std::string> words) {
    std::vector<std::string> args = {"profile", "--profiles", profiles};
    args.insert(args.end(), words.begin(), words.end());
    return args;
  };
  auto cold = [&](std::vector<std::string> options) {
    std::vector<std::string> args = {"compute", "--profiles", profiles, "--kind", "2"};
    args.insert(args.end(), options.begin(), options.end());
    return args;
  };
  auto proste = [](std::vector<std::string> options) {
    std::vector<std::string> args = {"compute", "--kind", "4"};
    args.insert(args.end(), options.begin(), options.end());
    return args;
  };
  auto timber = [](std::vector<std::string> options) {
    std::vector<std::string> args = {"compute", "--kind", "8"};
    args.insert(args.end(), options.begin(), options.end());
    return args;
  };
  auto set = [&](std::vector<std::string> options) {
    std::vector<std::string> args = {"compute", "--profiles", profiles, "--kind", "3"};
    args.insert(args.end(), options.begin(), options.end());
    return args;
  };
  return {
      // the sets: every member family and make, layouts with one spacing, two, raised ones
      set({"--sub", "0", "--variant", "1", "--mode", "2", "--t1", "200", "--t3", "300 mm"}),
      set({"--sub", "0", "--variant", "4", "--mode", "3", "--t1", "300"}),
      set({"--sub", "0", "--variant", "0", "--mode", "1", "--t1", "200", "--t3", "10 mm"}),
      set({"--sub", "0", "--option2", "1", "--variant", "4", "--mode", "2", "--t1", "750",
           "--t2", "3", "--t3", "500 mm", "--t5", "3.0"}),
      set({"--sub", "1", "--mode", "1", "--t1", "100"}),
      set({"--sub", "1", "--variant", "2", "--mode", "3", "--t1", "100", "--t3", "-5 mm"}),
      set({"--sub", "1", "--option2", "1", "--mode", "2", "--t1", "100x50x4", "--t3", "250 mm"}),
      set({"--sub", "1", "--option2", "1", "--option", "1", "--mode", "3", "--t1",
           "200x70x20x2,5", "--t3", "20 mm"}),
      set({"--sub", "2", "--mode", "6", "--t1", "100", "--t2", "10", "--t3", "200 mm", "--t4",
           "200 mm"}),
      set({"--sub", "2", "--option2", "1", "--mode", "4", "--t1", "50", "--t2", "3", "--t3",
           "120 mm", "--t4", "80 mm"}),
      set({"--sub", "3", "--mode", "10", "--t1", "100x65", "--t2", "7", "--t3", "260 mm", "--t4",
           "150 mm"}),
      set({"--sub", "3", "--option2", "1", "--mode", "3", "--t1", "60x40", "--t2", "3", "--t3",
           "12 mm"}),
      set({"--sub", "4", "--mode", "4", "--t1", "219,1", "--t2", "8,0", "--t3", "300 mm", "--t4",
           "250 mm"}),
      set({"--sub", "5", "--mode", "2", "--t1", "60", "--t2", "4", "--t3", "100 mm", "--t4",
           "40 mm"}),
      set({"--sub", "6", "--mode", "2", "--t1", "100x50", "--t2", "4", "--t3", "150 mm"}),
      // every timber shape, with classes, fasteners, battens and a variable height
      timber({"--sub", "0", "--t1", "24 cm", "--t2", "12 cm", "--class", "GL28h"}),
      timber({"--sub", "1", "--t1", "18 cm", "--class", "D40"}),
      timber({"--sub", "2", "--t1", "4 cm", "--t2", "20 cm", "--t3", "20 cm", "--t4", "5 cm",
              "--class-top", "C30", "--s1", "60", "--d1", "4", "--span", "5"}),
      timber({"--sub", "3", "--t1", "5 cm", "--t2", "20 cm", "--t3", "30 cm", "--t4", "6 cm",
              "--t5", "6 cm", "--t6", "15 cm", "--class-bottom", "C18", "--holes3", "--s3",
              "45", "--d3", "5", "--gradient", "2,5"}),
      timber({"--sub", "4", "--t1", "6 cm", "--t2", "4 cm", "--t3", "30 cm", "--t4", "5 cm",
              "--t5", "6 cm", "--t6", "5 cm", "--glued"}),
      timber({"--sub", "5", "--t1", "4 cm", "--t2", "30 cm", "--t3", "25 cm", "--t4", "5 cm",
              "--t5", "3 cm", "--t6", "26 cm", "--t7", "12,5 cm", "--holes1", "--span", "7,5"}),
      timber({"--sub", "6", "--t1", "4 cm", "--t2", "12 cm", "--t3", "25 cm", "--t4", "5 cm",
              "--t5", "5 cm", "--t6", "12 cm", "--class", "C16"}),
      timber({"--sub", "7", "--t3", "20 cm", "--t4", "6 cm", "--t7", "4 cm"}),
      timber({"--sub", "8", "--t3", "20 cm", "--t4", "6 cm", "--t7", "0 cm", "--battens",
              "nails"}),
      timber({"--sub", "9", "--t3", "16 cm", "--t4", "4 cm", "--t7", "8 cm", "--battens",
              "bolts", "--battens-outside", "--class", "GL36c"}),
      // every concrete shape, haunches and a variable height included
      {"compute", "--kind", "9", "--sub", "0", "--t1", "45 cm", "--t2", "25 cm"},
      {"compute", "--kind", "9", "--sub", "1", "--t1", "35 cm", "--gradient", "5"},
      {"compute", "--kind", "9", "--sub", "2", "--t1", "50 cm"},
      {"compute", "--kind", "9", "--sub", "3", "--t1", "70 cm", "--t2", "25 cm", "--t5", "90 cm",
       "--t7", "18 cm"},
      {"compute", "--kind", "9", "--sub", "4", "--t1", "60 cm", "--t2", "20 cm", "--t6", "70 cm",
       "--t8", "15 cm"},
      {"compute", "--kind", "9", "--sub", "5", "--t1", "90 cm", "--t2", "20 cm", "--t5", "80 cm",
       "--t6", "50 cm", "--t7", "15 cm", "--t8", "20 cm"},
      {"compute", "--kind", "9", "--sub", "6", "--t1", "80 cm", "--t2", "20 cm", "--t3", "10 cm",
       "--t4", "8 cm", "--t5", "80 cm", "--t6", "40 cm", "--t7", "15 cm", "--t8", "20 cm",
       "--gradient", "10"},
      // every rolled series and shape, a size deep in each list
      rolled({"2TPN", "300"}), rolled({"IPE", "200"}), rolled({"HEB", "300"}),
      rolled({"HEM", "600"}), rolled({"HE", "1000x584"}), rolled({"HD", "260x68,2"}),
      rolled({"HL", "1100R"}), rolled({"HP", "260x75"}), rolled({"IPE", "400v"}),
      rolled({"IPE", "750x147"}), rolled({"2TGO", "20"}), rolled({"--half", "HEB", "300"}),
      rolled({"CPN", "200"}), rolled({"UAP", "100"}), rolled({"UAE", "200"}),
      rolled({"CGO", "6,5"}), rolled({"KWR", "100x10"}), rolled({"KWN", "100x65x7"}),
      rolled({"TW", "60x60x7"}),
      {"compute", "--profiles", profiles, "--kind", "0", "--sub", "8", "--t1", "219,1", "--t2",
       "8,0"},
      // the welded tab: corrugated webs, castellated girders of each parent, the seamed pipe
      rolled({"--web", "3,0", "WT", "750-3"}), rolled({"--web", "2.5", "WT", "1500-19"}),
      rolled({"--castellated", "2TPN", "300"}), rolled({"--castellated", "--high", "IPE", "300"}),
      rolled({"--castellated", "HEB", "400"}),
      {"compute", "--profiles", profiles, "--kind", "1", "--sub", "6", "--t1", "1220", "--t2",
       "12,5"},
      // the cold-formed tab: each catalogue family, Sigma from its list, every item that
      // takes typed dimensions (radius as a multiple, in mm, by the standard; hot-finished)
      rolled({"CGa", "100x60x6"}), rolled({"CGb", "50x40x4"}), rolled({"KRga", "50x3"}),
      rolled({"KRgb", "60x3"}), rolled({"KNga", "40x30x1,5"}), rolled({"KNgb", "100x50x4"}),
      rolled({"K3G", "60x25x2,5"}), rolled({"Z4G", "180x70x60x20x4"}),
      rolled({"Z4G2", "240x96x84x25x3"}), rolled({"KAP", "100x60x25x2"}),
      rolled({"RKg", "60x6"}), rolled({"RPg", "100x50x2,5"}),
      cold({"--variant", "10", "--t1", "260", "--t2", "2,5"}),
      cold({"--variant", "0", "--mode", "1", "--t1", "120 mm", "--t2", "55 mm", "--t3", "4 mm",
            "--t4", "2 x g"}),
      cold({"--variant", "2", "--mode", "1", "--option", "1", "--t1", "180 mm", "--t2", "70 mm",
            "--t3", "18 mm", "--t4", "2 mm", "--t5", "1,5 x g"}),
      cold({"--variant", "3", "--mode", "1", "--t1", "55 mm", "--t2", "3 mm", "--t3", "4 mm"}),
      cold({"--variant", "5", "--mode", "1", "--t1", "70 mm", "--t2", "45 mm", "--t3", "3 mm",
            "--t4", "1,5 x g"}),
      cold({"--variant", "7", "--mode", "1", "--t1", "70 mm", "--t2", "22 mm", "--t3", "2 mm",
            "--t4", "1,5 x g"}),
      cold({"--variant", "8", "--mode", "1", "--option", "1", "--t1", "220 mm", "--t2", "75 mm",
            "--t3", "22 mm", "--t4", "65 mm", "--t5", "20 mm", "--t6", "2,5 mm", "--t7",
            "1,5 x g"}),
      cold({"--variant", "9", "--mode", "1", "--t1", "70 mm", "--t2", "60 mm", "--t3", "25 mm",
            "--t4", "2 mm", "--t5", "1,5 x g"}),
      cold({"--variant", "10", "--mode", "1", "--t1", "220 mm", "--t2", "70 mm", "--t3", "100 mm",
            "--t4", "25 mm", "--t5", "16 mm", "--t6", "2 mm", "--t7", "5 mm"}),
      cold({"--variant", "11", "--mode", "1", "--hot", "--t1", "120 mm", "--t2", "5 mm", "--t3",
            "wg normy"}),
      cold({"--variant", "12", "--mode", "1", "--t1", "140 mm", "--t2", "80 mm", "--t3", "5 mm",
            "--t4", "wg normy"}),
      // every parametric family and variant, dimensions away from the defaults
      proste({"--sub", "0", "--t1", "120 mm", "--t2", "15 mm"}),
      proste({"--sub", "1", "--t1", "90 mm"}),
      proste({"--sub", "1", "--t1", "90 mm", "--corners", "12"}),
      proste({"--sub", "1", "--variant", "1", "--t1", "120 mm", "--t2", "40 mm"}),
      proste({"--sub", "2", "--t1", "120 mm", "--t2", "8 mm"}),
      proste({"--sub", "2", "--t1", "120 mm", "--t2", "8 mm", "--corners", "8"}),
      proste({"--sub", "2", "--variant", "1", "--t1", "120 mm", "--t2", "60 mm", "--t5", "6 mm"}),
      proste({"--sub", "2", "--variant", "2", "--hot", "--t1", "120 mm", "--t2", "6 mm", "--t5",
              "wg normy"}),
      proste({"--sub", "2", "--variant", "3", "--t1", "140 mm", "--t2", "6 mm", "--t3", "90 mm",
              "--t5", "9 mm"}),
      proste({"--sub", "3", "--t1", "80 mm", "--t2", "12 mm", "--t3", "120°"}),
      proste({"--sub", "4", "--t1", "240 mm", "--t2", "7 mm", "--t3", "120 mm", "--t5", "11 mm"}),
      proste({"--sub", "4", "--variant", "1", "--t1", "240 mm", "--t2", "7 mm", "--t3", "120 mm",
              "--t4", "200 mm", "--t5", "11 mm", "--t6", "14 mm"}),
      proste({"--sub", "4", "--variant", "2", "--t1", "600 mm", "--t2", "100 mm", "--t3",
              "300 mm", "--t4", "400 mm", "--t5", "80 mm", "--t6", "100 mm", "--t7", "50 mm",
              "--t8", "60 mm"}),
      proste({"--sub", "4", "--t1", "200 mm", "--t2", "6 mm", "--t3", "100 mm", "--t5", "10 mm",
              "--gradient", "12"}),
      proste({"--sub", "5", "--t1", "220 mm", "--t2", "9 mm", "--t3", "140 mm", "--t5", "12 mm",
              "--t7", "80 mm"}),
      proste({"--sub", "5", "--variant", "1", "--t1", "220 mm", "--t2", "9 mm", "--t3", "140 mm",
              "--t4", "180 mm", "--t5", "12 mm", "--t6", "16 mm", "--t7", "80 mm", "--t8",
              "100 mm"}),
      proste({"--sub", "6", "--t1", "200 mm", "--t2", "8 mm", "--t3", "80 mm", "--t4", "20 mm",
              "--t5", "10 mm"}),
      proste({"--sub", "7", "--t1", "100 mm", "--t2", "8 mm", "--t3", "120 mm", "--t5", "12 mm"}),
      proste({"--sub", "8", "--t1", "180 mm", "--t2", "9 mm", "--t3", "260 mm", "--t5", "11 mm"}),
      proste({"--sub", "8", "--variant", "1", "--t1", "220 mm", "--t2", "9 mm", "--t3", "260 mm",
              "--t4", "120 mm", "--t5", "11 mm", "--t6", "13 mm", "--t7", "90 mm", "--t8",
              "12 mm"}),
      proste({"--sub", "9", "--t1", "110 mm", "--t2", "9 mm", "--t3", "70 mm", "--t5", "7 mm"}),
  };
}

}  // namespace tarvik::test
