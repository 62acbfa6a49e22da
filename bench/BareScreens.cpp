#include "BareScreens.h"

#include "app/TableText.h"
#include "screens/anemia/QuestionScreenContent.h"
#include "screens/main/Topics.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWidget>

namespace BareScreens {

namespace {
// Twips at 96 dots per inch.
QRect pixels(const TwipsRect& place)
{
    return {place.left / 15, place.top / 15, place.width / 15, place.height / 15};
}

QFont face(const char* family, double points)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QLabel* label(QWidget* window, const QString& text, const QRect& place, const QFont& font)
{
    auto* control = new QLabel(text, window);
    control->setFont(font);
    control->setWordWrap(true);
    control->setGeometry(place);
    return control;
}

QPushButton* button(QWidget* window, const QString& caption, const QRect& place)
{
    auto* control = new QPushButton(caption, window);
    control->setGeometry(place);
    return control;
}

// A picture decoded straight to its place's size, as the program's picture boxes decode theirs.
void picture(QWidget* parent, const QRect& place, const QString& path)
{
    auto* control = new QLabel(parent);
    control->setGeometry(place);
    control->setScaledContents(true);
    QImageReader reader(path);
    reader.setScaledSize(control->size());
    control->setPixmap(QPixmap::fromImage(reader.read()));
}

QWidget* cyanWindow(const QString& title)
{
    auto* window = new QWidget;
    window->setWindowTitle(title);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(0, 255, 255));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    return window;
}
} // namespace

void sizeAndCentre(QWidget* window, double factor)
{
    const QRect display = QGuiApplication::primaryScreen()->geometry();
    window->resize(int(display.width() * factor), int(display.height() * factor));
    window->move(display.center() - window->rect().center());
}

QWidget* splashScreen(const QString& picturePath)
{
    auto* window = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window->setFixedSize(492, 283);
    auto* frame = new QLabel(window);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setGeometry(10, 4, 472, 270);
    picture(frame, {16, 80, 129, 105}, picturePath);
    struct Line {
        const char* text;
        QRect place;
        double points;
    };
    const Line lines[] = {
        {"Decision aid", {168, 40, 138, 22}, 14.25},
        {"Nuvessa", {168, 72, 258, 29}, 18},
        {"Problems in pregnancy", {160, 128, 249, 17}, 9.75},
        {"For doctors in obstetric practice", {160, 152, 297, 17}, 8.25},
        {"Windows 95, 98, ME", {176, 176, 151, 19}, 12},
        {"Version 1.0", {184, 200, 70, 16}, 9.75},
        {"Supports, and does not replace, the clinical judgement of a qualified doctor.", {8, 240, 457, 17}, 8.25},
    };
    for (const Line& line : lines)
        label(frame, QString::fromLatin1(line.text), line.place, face("Arial", line.points));
    const QRect display = QGuiApplication::primaryScreen()->geometry();
    window->move(display.center() - window->rect().center());
    return window;
}

QWidget* mainWindow(const QString& picturePath)
{
    QWidget* window = cyanWindow(QStringLiteral("Nuvessa"));
    sizeAndCentre(window, 0.95);
    label(window, QStringLiteral(" Nuvessa"), {120, 48, 609, 57}, face("Times New Roman", 36));
    label(window, QStringLiteral("Select an item from the drop down list in the combination box, and then click OK"),
          {128, 136, 537, 65}, face("Times New Roman", 20.25));
    button(window, QStringLiteral("OK"), {664, 216, 49, 25});
    button(window, QStringLiteral("&Help"), {664, 256, 49, 25});
    button(window, QStringLiteral("A&bout"), {664, 296, 49, 25});
    button(window, QStringLiteral("&Exit"), {664, 336, 49, 25});
    auto* list = new QComboBox(window);
    list->setEditable(true);
    list->setGeometry(272, 216, 353, 21);
    for (const Topic& topic : topics)
        list->addItem(tableText(topic.name));
    list->setCurrentIndex(-1);
    auto* line = new QFrame(window);
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(128, 110, 536, 5);
    picture(window, {48, 216, 193, 217}, picturePath);
    return window;
}

QWidget* questionScreen(const QuestionScreenContent& content)
{
    QWidget* window = cyanWindow(QStringLiteral("Anemia"));
    sizeAndCentre(window, content.sizeFactor);
    for (const LabelDesign& shown : content.labels)
        label(window, tableText(shown.text), pixels(shown.place),
              face("Times New Roman", shown.role == LabelRole::Title ? 20.25 : 12));
    int number = 0;
    for (const OptionContent& option : content.options) {
        auto* control = new QRadioButton(tableText(option.caption), window);
        control->setObjectName(QStringLiteral("Option%1").arg(++number));
        control->setFont(face("MS Sans Serif", 8.25));
        control->setGeometry(pixels(option.place));
    }
    button(window, QStringLiteral("OK"), pixels(content.cmdOK.place))->setObjectName(QStringLiteral("cmdOK"));
    button(window, QStringLiteral("&Home"), pixels(content.cmdHome.place));
    button(window, QStringLiteral("&Exit"), pixels(content.cmdExit.place));
    return window;
}

} // namespace BareScreens
