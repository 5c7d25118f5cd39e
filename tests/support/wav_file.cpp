// WAV files for the sound tests.
#include "wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>

namespace tftest {
namespace {

constexpr double kPi = 3.14159265358979323846;

void put32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}
void put16(std::string& out, std::uint16_t v) {
  out.push_back(static_cast<char>(v & 0xff));
  out.push_back(static_cast<char>(v >> 8));
}
std::uint32_t get32(const std::string& in, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(in[at + i]);
  return v;
}
std::uint16_t get16(const std::string& in, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(in[at]) | (static_cast<unsigned char>(in[at + 1]) << 8));
}

}  // namespace

void writeToneWav(const std::string& path, double seconds, double frequency, int sampleRate) {
  const auto frames = static_cast<std::uint32_t>(seconds * sampleRate);
  std::string out = "RIFF";
  put32(out, 36 + frames * 2);
  out += "WAVEfmt ";
  put32(out, 16);
  put16(out, 1);  // PCM
  put16(out, 1);  // mono
  put32(out, static_cast<std::uint32_t>(sampleRate));
  put32(out, static_cast<std::uint32_t>(sampleRate) * 2);
  put16(out, 2);
  put16(out, 16);
  out += "data";
  put32(out, frames * 2);
  for (std::uint32_t i = 0; i < frames; ++i) {
    put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(20000 * std::sin(2 * kPi * frequency * i / sampleRate))));
  }
  std::ofstream(path, std::ios::binary) << out;
}

Recording readWav(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::string in((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  Recording rec;
  if (in.size() < 12 || in.compare(0, 4, "RIFF") != 0 || in.compare(8, 4, "WAVE") != 0) return rec;
  int bits = 0;
  for (std::size_t at = 12; at + 8 <= in.size();) {
    const std::string id = in.substr(at, 4);
    std::size_t size = get32(in, at + 4);
    const std::size_t body = at + 8;
    if (id == "data" && (size == 0 || body + size > in.size())) size = in.size() - body;
    if (id == "fmt " && body + 16 <= in.size()) {
      rec.channels = get16(in, body + 2);
      rec.sampleRate = static_cast<int>(get32(in, body + 4));
      bits = get16(in, body + 14);
    } else if (id == "data" && bits == 16) {
      for (std::size_t s = body; s + 2 <= body + size; s += 2) {
        rec.samples.push_back(static_cast<std::int16_t>(get16(in, s)) / 32768.0f);
      }
    }
    at = body + size + (size & 1);
  }
  return rec;
}

float Recording::peak(double from, double to) const {
  if (channels <= 0 || sampleRate <= 0) return 0;
  float loudest = 0;
  const double perSecond = static_cast<double>(sampleRate) * channels;
  const std::size_t first = static_cast<std::size_t>(std::max(0.0, from * perSecond));
  const std::size_t last = static_cast<std::size_t>(std::min<double>(samples.size(), to * perSecond));
  for (std::size_t i = first; i < last; ++i) loudest = std::max(loudest, std::fabs(samples[i]));
  return loudest;
}

void Recording::loudSpan(float threshold, double& first, double& last) const {
  first = last = -1;
  if (channels <= 0 || sampleRate <= 0) return;
  const double perSecond = static_cast<double>(sampleRate) * channels;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    if (std::fabs(samples[i]) <= threshold) continue;
    if (first < 0) first = i / perSecond;
    last = i / perSecond;
  }
}

std::vector<double> Recording::loudStretches(float threshold, double from, double gap) const {
  std::vector<double> stretches;
  if (channels <= 0 || sampleRate <= 0) return stretches;
  const std::size_t frames = samples.size() / channels;
  const double gapFrames = gap * sampleRate;
  double start = -1, last = -1;  // frames of the stretch being heard
  for (std::size_t f = static_cast<std::size_t>(std::max(0.0, from * sampleRate)); f < frames; ++f) {
    bool loud = false;
    for (int c = 0; c < channels && !loud; ++c) loud = std::fabs(samples[f * channels + c]) > threshold;
    if (!loud) continue;
    if (start >= 0 && f - last > gapFrames) {
      stretches.push_back((last - start + 1) / sampleRate);
      start = -1;
    }
    if (start < 0) start = static_cast<double>(f);
    last = static_cast<double>(f);
  }
  if (start >= 0) stretches.push_back((last - start + 1) / sampleRate);
  return stretches;
}

}  // namespace tftest
