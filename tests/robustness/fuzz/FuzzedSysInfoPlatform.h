#pragma once

#include "FuzzInput.h"

#include "screens/info/SysInfoPlatform.h"

#include <set>
#include <string>

// A registry, file test and program starter whose every answer the fuzzer
// chooses: the status of each call, a value's type, its data and the size it
// reports, and whether a call fails by throwing. It checks, strictly, that
// the reader hands it a whole buffer of the size it claims and closes every
// key it opened exactly once.
class FuzzedSysInfoPlatform : public SysInfoPlatform {
public:
    explicit FuzzedSysInfoPlatform(FuzzInput& input) : m_input(input) {}

    long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access, KeyHandle& key) override;
    long queryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override;
    long closeKey(KeyHandle key) override;
    bool ordinaryFileExists(const std::string& path) override;
    bool startProgram(const std::string& path) override;

    const std::set<KeyHandle>& stillOpen() const { return m_open; }
    int starts() const { return m_starts; }
    int startAttempts() const { return m_startAttempts; }

private:
    // One byte of the input decides whether this call throws.
    void maybeThrow(const char* call);

    FuzzInput& m_input;
    std::set<KeyHandle> m_open;
    KeyHandle m_next = 0x1000;
    int m_starts = 0;
    int m_startAttempts = 0;
};
