#pragma once

#include <QRadioButton>
#include <QStringList>

class QTextLayout;

// An option button whose caption breaks into lines at word boundaries within
// the button's width, as the screen designs expect, and keeps every blank of
// the caption: runs of blanks that line up findings stay as they are.
// Otherwise it is a plain radio button: arrow keys move within the group,
// Space selects, and a screen reader reads the caption as its name.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    OptionButton(const QString& caption, QWidget* parent);

    // Puts the button at its design place. Should its lines need more height
    // than the place gives, the button grows evenly above and below, so its
    // caption is never cut off and stays centred where the design put it.
    void placeAt(const QRect& designPlace);

    // The caption as it breaks into lines at the button's width; together
    // they give back the caption character for character.
    QStringList shownLines() const;
    // The height the lines take, and the widest of them, in pixels.
    int linesHeight() const;
    int widestLine() const;
    // Room left for the caption beside the round indicator.
    QRect captionArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    struct BrokenCaption {
        QStringList lines;
        qreal height = 0;
        qreal widest = 0;
    };
    // The caption with its forced line breaks, for a given width of caption area.
    QString textToLayOut(int width) const;
    static void layOut(QTextLayout& layout, int width);
    BrokenCaption breakCaption(int width) const;
    int captionLeft() const;
};
