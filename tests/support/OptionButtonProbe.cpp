#include "support/OptionButtonProbe.h"

#include "screens/anemia/OptionButton.h"

#include <cmath>

QStringList OptionButtonProbe::shownLines(const OptionButton* option)
{
    // Together the lines give back the caption, the forced breaks taken out.
    const QTextLayout& layout = *option->shownCaption().layout;
    const QString shown = layout.text();
    QStringList lines;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        lines.append(shown.mid(line.textStart(), line.textLength()).remove(QChar(QChar::LineSeparator)));
    }
    return lines;
}

int OptionButtonProbe::linesHeight(const OptionButton* option)
{
    return static_cast<int>(std::ceil(option->shownCaption().height));
}

int OptionButtonProbe::widestLine(const OptionButton* option)
{
    return static_cast<int>(std::ceil(option->shownCaption().widest));
}

QRect OptionButtonProbe::captionArea(const OptionButton* option)
{
    return option->captionArea();
}
