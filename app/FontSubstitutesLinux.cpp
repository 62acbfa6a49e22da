#include "app/FontSubstitutes.h"

#include <QFont>

namespace FontSubstitutes {

void install()
{
    // Liberation Serif and Sans share the metrics of Times New Roman and Arial.
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    // MS Sans Serif is a narrow Windows face; Liberation Sans comes closest at its sizes.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

} // namespace FontSubstitutes
