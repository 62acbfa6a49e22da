#include "app/ScreenLook.h"

#include "app/Twips.h"
#include "app/TwipsRect.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace ScreenLook {

namespace {
QFont font(const char* family, double points, bool bold)
{
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}
} // namespace

QFont timesNewRoman(double points, bool bold) { return font("Times New Roman", points, bold); }
QFont msSansSerif(double points, bool bold) { return font("MS Sans Serif", points, bold); }
QFont arial(double points, bool bold) { return font("Arial", points, bold); }

void installFontSubstitutes()
{
    // Liberation Serif and Sans share the metrics of Times New Roman and Arial,
    // so texts break into lines where the screen designs expect them to.
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    // MS Sans Serif is a narrow Windows face; Liberation Sans comes closest at its sizes.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

void paintBackground(QWidget* window, const QColor& colour)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, colour);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void setTextColour(QWidget* control, const QColor& colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    control->setPalette(palette);
}

QIcon screenIcon()
{
    // Read from its files once; every screen then shares the same decoded pictures.
    static const QIcon icon = [] {
        QIcon fromFiles;
        fromFiles.addFile(QStringLiteral(":/nuvessa/icon-16.png"), QSize(16, 16));
        fromFiles.addFile(QStringLiteral(":/nuvessa/icon-32.png"), QSize(32, 32));
        return fromFiles;
    }();
    return icon;
}

void place(QWidget* control, const TwipsRect& rect)
{
    control->setGeometry(Twips::toPixels(rect));
}

QPushButton* commandButton(QWidget* window, const QString& caption, const TwipsRect& rect,
                           const QString& toolTip)
{
    auto* button = new QPushButton(caption, window);
    place(button, rect);
    button->setAutoDefault(true);
    if (!toolTip.isEmpty())
        button->setToolTip(toolTip);
    return button;
}

QLabel* label(QWidget* window, const QString& text, const TwipsRect& rect, const QFont& font,
              const QColor& colour)
{
    auto* control = new QLabel(text, window);
    control->setFont(font);
    control->setWordWrap(true);
    control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    control->setTextFormat(Qt::PlainText);
    setTextColour(control, colour);
    place(control, rect);
    return control;
}

} // namespace ScreenLook
