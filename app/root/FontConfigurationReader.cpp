#include "app/root/FontConfigurationReader.h"

#ifdef NUVESSA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <system_error>

FontConfigurationReader::FontConfigurationReader()
{
#ifdef NUVESSA_HAVE_FONTCONFIG
    try {
        m_reading = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to be had: the toolkit reads the configuration itself, as it would anyway.
    }
#endif
}

FontConfigurationReader::~FontConfigurationReader()
{
    wait();
}

void FontConfigurationReader::wait()
{
    if (m_reading.joinable())
        m_reading.join();
}
