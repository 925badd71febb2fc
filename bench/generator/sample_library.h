#pragma once
// A sample language/grammar library for the benchmarks: four vocabularies of a few hundred words
// and sentence patterns of about seven variables each.
#include <string>

namespace wrenfold::bench {

inline constexpr char kSampleLibrary[] = "sample";

// Writes applicationDirectory + "library.lst" and the library folder "sample" with its grammar
// file and the vocabularies noun (2 forms), verb (3 forms), adj and adv, wordsPerVocabulary lines
// each. Also writes applicationDirectory + "sample.tracery.json", the same grammar for Tracery
// (one symbol per vocabulary and form). applicationDirectory ends with "/".
void WriteSampleLibrary(const std::string& applicationDirectory, int wordsPerVocabulary = 300);

// A fresh folder under the temporary folder, ending with "/".
std::string MakeTempFolder();

} // namespace wrenfold::bench
