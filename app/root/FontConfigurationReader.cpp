#include "app/root/FontConfigurationReader.h"

#ifdef NUVESSA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

FontConfigurationReader::FontConfigurationReader()
{
#ifdef NUVESSA_HAVE_FONTCONFIG
    m_reading = std::thread([] { FcInit(); });
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
