#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A RIFF wave file with PCM samples (8- or 16-bit, any rate, one or more
// channels): read by the sound player, written by the cue generator.
class CWaveFile {
public:
    // Mono 16-bit samples at the given rate.
    CWaveFile(int sampleRate, const std::vector<std::int16_t>& samples);

    // Null when the bytes are not a complete PCM wave file. A data chunk that
    // claims more bytes than the file holds is cut to what is there, as players do.
    static std::optional<CWaveFile> Parse(const std::vector<std::uint8_t>& bytes);
    // Null when the file cannot be read or is not a PCM wave file.
    static std::optional<CWaveFile> Read(const std::string& path);

    std::vector<std::uint8_t> Bytes() const;
    bool Write(const std::string& path) const;

    int Channels() const { return m_nChannels; }
    int SampleRate() const { return m_nSampleRate; }
    int BitsPerSample() const { return m_nBitsPerSample; }
    // The sample bytes as stored: little-endian, channels interleaved.
    const std::vector<std::uint8_t>& Data() const { return m_data; }
    int BytesPerFrame() const { return m_nChannels * m_nBitsPerSample / 8; }
    // How long the sound plays, in milliseconds (rounded up).
    int DurationMs() const;

private:
    CWaveFile() = default;

    int m_nChannels = 1;
    int m_nSampleRate = 22050;
    int m_nBitsPerSample = 16;
    std::vector<std::uint8_t> m_data;
};
