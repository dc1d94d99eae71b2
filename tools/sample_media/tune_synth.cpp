#include "tools/sample_media/tune_synth.h"

#include "tools/sample_media/song_sheet.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velumo::samples {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double frequency(int midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

struct Envelope
{
    double attack;  // seconds to full level
    double decay;   // seconds from full level to the sustain level
    double sustain; // level held until the note ends
    double release; // seconds to silence after the note ends

    double at(double t, double length) const
    {
        double level = t < attack ? t / attack
                     : t < attack + decay ? 1.0 - (1.0 - sustain) * (t - attack) / decay
                     : sustain;
        if (t > length)
            level *= std::max(0.0, 1.0 - (t - length) / release);
        return level;
    }
};

// Adds one note to a mono track: a few harmonics, shaped by the envelope.
void addNote(std::vector<double> &track, double start, double length, int midi, double gain,
             const Envelope &envelope, const std::vector<double> &harmonics, double vibrato)
{
    const double f = frequency(midi);
    const auto first = std::size_t(start * kSampleRate);
    const auto count = std::size_t((length + envelope.release) * kSampleRate);
    double phase = 0;
    for (std::size_t i = 0; i < count && first + i < track.size(); ++i) {
        const double t = double(i) / kSampleRate;
        // The vibrato sets in after a moment, as a singer's would.
        const double wobble = vibrato * std::min(1.0, t / 0.3) * std::sin(kTwoPi * 5.5 * t);
        phase += kTwoPi * f * (1.0 + wobble) / kSampleRate;
        double sample = 0;
        for (std::size_t h = 0; h < harmonics.size(); ++h)
            sample += harmonics[h] * std::sin(phase * double(h + 1));
        track[first + i] += gain * envelope.at(t, length) * sample;
    }
}

} // namespace

std::vector<float> synthesiseSong()
{
    const double beat = beatSeconds();
    const double bar = beat * kBeatsPerBar;
    const double tail = 1.0; // the last chord rings out
    const auto samples = std::size_t((songSeconds() + tail) * kSampleRate);
    std::vector<double> melody(samples), bass(samples), pad(samples);

    const Envelope voice{0.02, 0.15, 0.7, 0.12};
    for (const SungLine &line : sungLines()) {
        double at = line.startSeconds();
        for (const Note &note : line.notes) {
            if (note.pitch != 0)
                addNote(melody, at, note.beats * beat * 0.95, note.pitch, 0.30, voice, {1.0, 0.45, 0.2, 0.08}, 0.004);
            at += note.beats * beat;
        }
    }

    const Envelope pluck{0.005, 0.5, 0.25, 0.08};
    const Envelope swell{0.6, 0.4, 0.8, 0.8};
    const std::vector<Chord> &progression = chords();
    for (std::size_t b = 0; b < progression.size(); ++b) {
        const Chord &chord = progression[b];
        const double start = double(b) * bar;
        const bool last = b + 1 == progression.size();
        addNote(bass, start, 2 * beat * 0.9, chord.root - 12, 0.35, pluck, {1.0, 0.3, 0.1}, 0);
        addNote(bass, start + 2 * beat, 2 * beat * 0.9, last ? chord.root - 12 : chord.fifth - 12, 0.30, pluck,
                {1.0, 0.3, 0.1}, 0);
        for (int pitch : {chord.root, chord.third, chord.fifth})
            addNote(pad, start, bar, pitch + 12, 0.05, swell, {1.0, 0.15}, 0.002);
    }

    // Melody in the middle, the pad a little wider; a peak of 0.8 leaves the encoder headroom.
    std::vector<float> stereo(samples * 2);
    double peak = 1e-9;
    for (std::size_t i = 0; i < samples; ++i)
        peak = std::max({peak, std::abs(melody[i] + bass[i] + pad[i] * 1.2), std::abs(melody[i] + bass[i] + pad[i] * 0.8)});
    const double scale = 0.8 / peak;
    const auto fadeStart = std::size_t((songSeconds() - 1.5) * kSampleRate);
    for (std::size_t i = 0; i < samples; ++i) {
        const double fade = i < fadeStart ? 1.0 : std::max(0.0, 1.0 - double(i - fadeStart) / double(samples - fadeStart));
        stereo[2 * i] = float(scale * fade * (melody[i] + bass[i] + pad[i] * 1.2));
        stereo[2 * i + 1] = float(scale * fade * (melody[i] + bass[i] + pad[i] * 0.8));
    }
    return stereo;
}

} // namespace velumo::samples
