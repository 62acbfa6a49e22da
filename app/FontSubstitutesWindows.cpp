#include "app/FontSubstitutes.h"

#include <QFont>

namespace FontSubstitutes {

void install()
{
    // Windows has every face the screens ask for, but MS Sans Serif only as
    // bitmaps, in a few sizes and without a true bold. Its outline
    // successor, which Windows itself uses for its dialogs, stands in.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"));
}

} // namespace FontSubstitutes
