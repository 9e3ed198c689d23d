#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Placeholder sounds: sine tones as 16-bit mono PCM, written as WAVE or Ogg Vorbis.
constexpr int kToneRate = 22050;

// `ms` of a sine at `hz`, mono, 16-bit, at half of full scale; short fades at both ends keep it
// from clicking.
std::vector<int16_t> TonePcm(double hz, int ms, int rate);

// A RIFF WAVE file of 16-bit PCM, mono.
std::vector<uint8_t> WriteWave(const std::vector<int16_t>& pcm, int rate);

// An Ogg Vorbis file, mono, one logical stream with that serial number; empty when the encoder
// refuses the rate.
std::vector<uint8_t> WriteOggVorbis(const std::vector<int16_t>& pcm, int rate, int serial);

// The sound files the module's tables name, relative to the sound folder.
std::vector<std::string> EffectFiles();  // one per effect id: ids 86 and 87 name the same file
std::vector<std::string> VoiceFiles();   // every male, female and robot phrase, each once
