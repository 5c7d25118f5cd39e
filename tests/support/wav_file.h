// Writing small test sounds as WAV files, and reading back what a sound
// device recorded, to measure whether (and when) something was heard.
#pragma once

#include <string>
#include <vector>

namespace tftest {

// A 16-bit mono sine tone.
void writeToneWav(const std::string& path, double seconds, double frequency = 440, int sampleRate = 22050);

struct Recording {
  int channels = 0;
  int sampleRate = 0;
  std::vector<float> samples;  // interleaved, -1..1

  double seconds() const {
    return channels > 0 && sampleRate > 0 ? static_cast<double>(samples.size()) / channels / sampleRate : 0;
  }
  // The largest magnitude between two times in seconds (to the end by default).
  float peak(double from = 0, double to = 1e9) const;
  // The times of the first and the last sample louder than `threshold`; both
  // -1 when there is none.
  void loudSpan(float threshold, double& first, double& last) const;
  // The sounds heard after `from`: how long each stretch lasts in which some
  // channel is louder than `threshold`, stretches apart by less than `gap`
  // seconds counting as one.
  std::vector<double> loudStretches(float threshold, double from, double gap) const;
};

// Reads a 16-bit PCM WAV file, plain or extensible; a data chunk whose size
// was never filled in runs to the end of the file. An empty recording when
// the file cannot be read or holds other samples.
Recording readWav(const std::string& path);

}  // namespace tftest
