#include "app/FontSubstitutes.h"

namespace FontSubstitutes {

void install()
{
    // Windows has every face the screens ask for.
}

} // namespace FontSubstitutes
