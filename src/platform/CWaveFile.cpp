#include "platform/CWaveFile.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kExtensible = 0xFFFE;

std::uint32_t Read32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t Read16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void Put16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

bool IsTag(const std::uint8_t* p, const char* tag) {
    return std::memcmp(p, tag, 4) == 0;
}

}  // namespace

CWaveFile::CWaveFile(int sampleRate, const std::vector<std::int16_t>& samples)
    : m_nSampleRate(sampleRate) {
    m_data.reserve(samples.size() * 2);
    for (std::int16_t sample : samples) Put16(m_data, static_cast<std::uint16_t>(sample));
}

std::optional<CWaveFile> CWaveFile::Parse(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 12 || !IsTag(&bytes[0], "RIFF") || !IsTag(&bytes[8], "WAVE")) return {};
    CWaveFile wave;
    bool haveFormat = false;
    bool haveData = false;
    std::size_t at = 12;
    // Every chunk header must lie inside the file; sizes are checked before use.
    while (bytes.size() - at >= 8 && !(haveFormat && haveData)) {
        const std::uint8_t* header = &bytes[at];
        const std::size_t size = Read32(header + 4);
        const std::size_t body = at + 8;
        const std::size_t available = bytes.size() - body;
        if (IsTag(header, "fmt ")) {
            if (size < 16 || size > available) return {};
            const std::uint8_t* format = &bytes[body];
            std::uint16_t tag = Read16(format);
            if (tag == kExtensible && size >= 26) tag = Read16(format + 24);
            wave.m_nChannels = Read16(format + 2);
            wave.m_nSampleRate = static_cast<int>(Read32(format + 4));
            wave.m_nBitsPerSample = Read16(format + 14);
            if (tag != kPcm || wave.m_nChannels < 1 || wave.m_nChannels > 8 ||
                wave.m_nSampleRate < 1000 || wave.m_nSampleRate > 384000 ||
                (wave.m_nBitsPerSample != 8 && wave.m_nBitsPerSample != 16))
                return {};
            haveFormat = true;
        } else if (IsTag(header, "data")) {
            const std::size_t kept = size < available ? size : available;
            wave.m_data.assign(bytes.begin() + static_cast<std::ptrdiff_t>(body),
                               bytes.begin() + static_cast<std::ptrdiff_t>(body + kept));
            haveData = true;
        }
        if (size > available) break;
        at = body + size + (size & 1);  // chunks are padded to an even length
        if (at > bytes.size()) break;
    }
    if (!haveFormat || !haveData) return {};
    // A partial frame at the end cannot be played.
    wave.m_data.resize(wave.m_data.size() -
                       wave.m_data.size() % static_cast<std::size_t>(wave.BytesPerFrame()));
    return wave;
}

std::optional<CWaveFile> CWaveFile::Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {};
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
    return Parse(bytes);
}

std::vector<std::uint8_t> CWaveFile::Bytes() const {
    const auto dataSize = static_cast<std::uint32_t>(m_data.size());
    const auto frame = static_cast<std::uint16_t>(BytesPerFrame());
    std::vector<std::uint8_t> out;
    out.reserve(44 + m_data.size() + 1);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataSize + (dataSize & 1));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, kPcm);
    Put16(out, static_cast<std::uint16_t>(m_nChannels));
    Put32(out, static_cast<std::uint32_t>(m_nSampleRate));
    Put32(out, static_cast<std::uint32_t>(m_nSampleRate) * frame);
    Put16(out, frame);
    Put16(out, static_cast<std::uint16_t>(m_nBitsPerSample));
    PutTag(out, "data");
    Put32(out, dataSize);
    out.insert(out.end(), m_data.begin(), m_data.end());
    if (dataSize & 1) out.push_back(0);
    return out;
}

bool CWaveFile::Write(const std::string& path) const {
    const std::vector<std::uint8_t> bytes = Bytes();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file.flush());
}

int CWaveFile::DurationMs() const {
    const long long frames = static_cast<long long>(m_data.size()) / BytesPerFrame();
    return static_cast<int>((frames * 1000 + m_nSampleRate - 1) / m_nSampleRate);
}
