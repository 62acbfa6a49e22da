#pragma once

#include <QFont>
#include <QRadioButton>
#include <QStringList>
#include <QTextLayout>

#include <memory>
#include <optional>

// An option button whose caption breaks into lines at word boundaries within
// the button's width, as the screen designs expect, and keeps every blank of
// the caption: runs of blanks that line up findings stay as they are.
// The arrow keys move through the group in the order of the option numbers,
// round from the last to the first, whatever columns the design stands them
// in; Space selects. A screen reader hears the caption as the name, and the
// option's place in the group ("3 of 13") with the question it answers as
// the description.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    OptionButton(const QString& caption, QWidget* parent);

    // The question the group answers, told to a screen reader as the focus
    // comes into the group from elsewhere.
    void setQuestion(const QString& question);

    // Puts the button at its design place. Should its lines need more height
    // than the place gives, the button grows evenly above and below, so its
    // caption is never cut off and stays centred where the design put it.
    void placeAt(const QRect& designPlace);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // The tests read how the caption was laid out, which nothing else needs to know.
    friend class OptionButtonProbe;

    // The caption as speech and braille should have it: a run of blanks that
    // stands between two findings becomes a pause, ", ", or a lone blank
    // where a comma or full stop already ends the first finding.
    static QString spokenCaption(const QString& caption);
    // The options of this button's group, Option1 first.
    QList<OptionButton*> group() const;

    // The caption laid out at one width of caption area. Placing the button
    // and every paint ask for it. The captions and their face are fixed, so
    // each is laid out once in a run and shared by every button that shows
    // it, on every load of its screen; a button lets go of it when its
    // caption, font or width changes.
    struct LaidOutCaption {
        QString caption;
        QFont font;
        int width = -1;
        std::optional<QTextLayout> layout;
        qreal height = 0;
        qreal widest = 0;
        qreal blockHeight = 0;
    };
    // The caption with its forced line breaks, for a given width of caption area.
    QString textToLayOut(int width) const;
    static void layOut(QTextLayout& layout, int width);
    const LaidOutCaption& laidOutCaption(int width) const;
    std::shared_ptr<const LaidOutCaption> layCaptionOut(int width) const;
    // The caption as it is laid out at the button's present width.
    const LaidOutCaption& shownCaption() const;
    int captionLeft() const;
    // Room left for the caption beside the round indicator.
    QRect captionArea() const;
    // Moves the focus by `step` options, round the ends; the selection
    // follows when this option is selected, as the toolkit's arrows do.
    void moveInGroup(int step);
    void describePlace(bool withQuestion);

    QString m_question;
    bool m_arrivingByArrow = false;
    mutable std::shared_ptr<const LaidOutCaption> m_laidOut;
};
