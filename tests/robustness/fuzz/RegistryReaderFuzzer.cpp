// Fuzzer-chosen registry answers behind the About box's registry reader and
// its System Information launcher: whatever the registry answers, neither may
// crash, read past the reader's 1024-byte buffer, leave a key open, or report
// a value it did not read.

#include "FuzzInput.h"
#include "FuzzedSysInfoPlatform.h"

#include "screens/info/GetKeyValue.h"
#include "screens/info/RegistryWords.h"
#include "screens/info/StartSysInfo.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {
[[noreturn]] void broken(const char* rule)
{
    std::fprintf(stderr, "broken rule: %s\n", rule);
    std::abort();
}

void readOneValue(FuzzInput& input)
{
    FuzzedSysInfoPlatform platform(input);
    std::string value = input.bytes(input.byte());
    const std::string before = value;
    bool read = false;
    bool raised = false;
    try {
        read = GetKeyValue(platform, RegistryWords::localMachine, RegistryWords::fullPathKey, RegistryWords::fullPathValue,
                           value);
    } catch (const std::exception&) {
        // A value without data raises an error, which the launcher turns into its message.
        raised = true;
    }
    if (!platform.stillOpen().empty())
        broken("GetKeyValue left a key open");
    if (!raised && !read && !value.empty())
        broken("GetKeyValue failed but left a text other than the empty one");
    if (read && value != before && value.size() > 1024)
        broken("GetKeyValue produced more text than its buffer holds");
}

void startTheTool(FuzzInput& input)
{
    FuzzedSysInfoPlatform platform(input);
    bool started = false;
    try {
        started = StartSysInfo(platform);
    } catch (...) {
        broken("StartSysInfo let an error escape");
    }
    if (!platform.stillOpen().empty())
        broken("StartSysInfo left a key open");
    if (platform.startAttempts() > 1)
        broken("StartSysInfo tried to start a program more than once");
    if (started != (platform.starts() == 1))
        broken("StartSysInfo reported other than what the start did");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    if (input.byte() & 1)
        readOneValue(input);
    else
        startTheTool(input);
    return 0;
}
