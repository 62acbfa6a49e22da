#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own while the
// toolkit starts. Reading it is the largest part of putting the first text on
// screen, and the toolkit's own start spends most of its time waiting on the
// display and on loading its plug-ins, so the two go on side by side.
// The toolkit reads the same configuration on first need; it then finds it
// read. wait() comes before any text is measured, so that the toolkit never
// reads it a second time beside this thread.
class FontConfigurationReader {
public:
    FontConfigurationReader();
    ~FontConfigurationReader();
    FontConfigurationReader(const FontConfigurationReader&) = delete;
    FontConfigurationReader& operator=(const FontConfigurationReader&) = delete;

    void wait();

private:
    std::thread m_reading;
};
