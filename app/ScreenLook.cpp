#include "app/ScreenLook.h"

#include "app/LineControl.h"
#include "app/LineDesign.h"
#include "app/PictureBox.h"
#include "app/Twips.h"
#include "app/TwipsRect.h"

#include <QPalette>
#include <QPushButton>

namespace ScreenLook {

namespace {
QFont font(const char* family, double points, bool bold)
{
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    // Drawn from outlines, so that texts are sharp and keep their proportions
    // at every scale; Windows' MS Sans Serif is a bitmap face that has neither.
    f.setStyleStrategy(QFont::ForceOutline);
    return f;
}
} // namespace

QColor qColor(Colour colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

QFont timesNewRoman(double points, bool bold) { return font("Times New Roman", points, bold); }
QFont msSansSerif(double points, bool bold) { return font("MS Sans Serif", points, bold); }
QFont arial(double points, bool bold) { return font("Arial", points, bold); }

QFont font(const TextLook& look)
{
    switch (look.face) {
    case Face::TimesNewRoman:
        return timesNewRoman(look.points, look.bold);
    case Face::Arial:
        return arial(look.points, look.bold);
    case Face::MsSansSerif:
        break;
    }
    return msSansSerif(look.points, look.bold);
}

void paintBackground(QWidget* window, Colour colour)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, qColor(colour));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void setTextColour(QWidget* control, Colour colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, qColor(colour));
    palette.setColor(QPalette::ButtonText, qColor(colour));
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

QPushButton* commandButton(QWidget* window, std::string_view name, const QString& caption, const TwipsRect& rect,
                           const QString& toolTip)
{
    auto* button = new QPushButton(caption, window);
    button->setObjectName(tableText(name));
    place(button, rect);
    button->setAutoDefault(true);
    if (!toolTip.isEmpty())
        button->setToolTip(toolTip);
    return button;
}

void dressLabel(QLabel* control, const LabelDesign& design)
{
    control->setObjectName(tableText(design.name));
    control->setFont(font(design.look));
    control->setWordWrap(design.fit == Fit::WrapsAtWords);
    const Qt::Alignment horizontal = design.look.align == Align::Right    ? Qt::AlignRight
                                     : design.look.align == Align::Centre ? Qt::AlignHCenter
                                                                          : Qt::AlignLeft;
    control->setAlignment(horizontal | Qt::AlignTop);
    control->setTextFormat(Qt::PlainText);
    if (design.look.colour)
        setTextColour(control, *design.look.colour);
    place(control, design.place);
    if (design.fit == Fit::SizesToText) {
        const QRect designed = control->geometry();
        control->adjustSize();
        if (design.look.align == Align::Right)
            control->move(designed.right() - control->width() + 1, designed.top());
    }
}

LineControl* line(QWidget* window, const LineDesign& design)
{
    auto* control = new LineControl(window, design.x1, design.x2, design.y, qColor(design.colour),
                                    design.thicknessPixels);
    control->setObjectName(tableText(design.name));
    return control;
}

PictureBox* picture(QWidget* window, std::string_view name, const TwipsRect& rect, const QString& description)
{
    auto* control = new PictureBox(window, rect, description);
    control->setObjectName(tableText(name));
    return control;
}

} // namespace ScreenLook
