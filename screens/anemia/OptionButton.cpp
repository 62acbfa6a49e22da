#include "screens/anemia/OptionButton.h"

#include <QFontMetricsF>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {
// Room around the caption for the focus frame.
constexpr int focusMargin = 1;
} // namespace

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent)
{
    setAccessibleName(spokenCaption(caption));
}

QString OptionButton::spokenCaption(const QString& caption)
{
    // Most captions hold a single finding, with no run of blanks to look at.
    if (!caption.contains(QLatin1String("  ")))
        return caption;
    static const QRegularExpression runBetweenFindings(QStringLiteral("(\\S) {2,}(?=\\S)"));
    QString spoken;
    qsizetype from = 0;
    for (auto it = runBetweenFindings.globalMatch(caption); it.hasNext();) {
        const QRegularExpressionMatch run = it.next();
        const QChar last = run.captured(1).at(0);
        const bool alreadyEnds = last == QLatin1Char(',') || last == QLatin1Char('.');
        spoken += caption.mid(from, run.capturedEnd(1) - from);
        spoken += alreadyEnds ? QStringLiteral(" ") : QStringLiteral(", ");
        from = run.capturedEnd(0);
    }
    return spoken + caption.mid(from);
}

void OptionButton::setQuestion(const QString& question)
{
    m_question = question;
    describePlace(true);
}

QList<OptionButton*> OptionButton::group() const
{
    // Made in number order, so the parent lists them Option1 first.
    QList<OptionButton*> options;
    if (parentWidget()) {
        for (OptionButton* option : parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly)) {
            if (option->autoExclusive())
                options.append(option);
        }
    }
    return options;
}

void OptionButton::describePlace(bool withQuestion)
{
    const QList<OptionButton*> options = group();
    QString place = tr("%1 of %2").arg(QString::number(options.indexOf(this) + 1), QString::number(options.size()));
    if (withQuestion && !m_question.isEmpty())
        place += QStringLiteral(". ") + m_question;
    if (accessibleDescription() != place)
        setAccessibleDescription(place);
}

void OptionButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        moveInGroup(1);
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        moveInGroup(-1);
        break;
    default:
        QRadioButton::keyPressEvent(event);
        return;
    }
    event->accept();
}

void OptionButton::moveInGroup(int step)
{
    const QList<OptionButton*> options = group();
    const qsizetype count = options.size();
    const qsizetype here = options.indexOf(this);
    if (count < 2 || here < 0)
        return;
    OptionButton* next = options.at((here + step + count) % count);
    const bool selectionFollows = isChecked();
    next->m_arrivingByArrow = true;
    next->setFocus(Qt::OtherFocusReason);
    next->m_arrivingByArrow = false;
    if (selectionFollows)
        next->click();
}

void OptionButton::focusInEvent(QFocusEvent* event)
{
    // Within the group the place alone is news; coming in from elsewhere the
    // doctor also hears which question the findings answer.
    describePlace(!m_arrivingByArrow);
    QRadioButton::focusInEvent(event);
}

void OptionButton::placeAt(const QRect& designPlace)
{
    setGeometry(designPlace);
    const int needed = static_cast<int>(std::ceil(shownCaption().height)) + 2 * focusMargin;
    if (needed <= designPlace.height())
        return;
    const int extra = needed - designPlace.height();
    setGeometry(designPlace.adjusted(0, -(extra / 2), 0, extra - extra / 2));
}

int OptionButton::captionLeft() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this).left();
}

QRect OptionButton::captionArea() const
{
    QRect area = rect();
    area.setLeft(captionLeft());
    return area;
}

QString OptionButton::textToLayOut(int width) const
{
    const QString caption = text();
    // Without a run of blanks there is nowhere to break first; measuring can wait for the layout.
    if (!caption.contains(QLatin1String("  ")) || QFontMetricsF(font()).horizontalAdvance(caption) <= width)
        return caption;
    // A run of blanks separates findings the caption means to stand on lines
    // of their own; when the caption must break at all, it breaks there first.
    static const QRegularExpression runOfBlanks(QStringLiteral("( {2,})(?=\\S)"));
    QString broken = caption;
    broken.replace(runOfBlanks, QStringLiteral("\\1") + QChar(QChar::LineSeparator));
    return broken;
}

void OptionButton::layOut(QTextLayout& layout, int width)
{
    QTextOption textOption;
    textOption.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(textOption);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
}

const OptionButton::LaidOutCaption& OptionButton::laidOutCaption(int width) const
{
    const QString caption = text();
    if (!m_laidOut || m_laidOut->width != width || m_laidOut->caption != caption || m_laidOut->font != font()) {
        static QHash<QString, std::shared_ptr<const LaidOutCaption>> laidOutInThisRun;
        const QString key = caption + QChar(0) + font().key() + QChar(0) + QString::number(width);
        std::shared_ptr<const LaidOutCaption>& known = laidOutInThisRun[key];
        if (!known || known->font != font())
            known = layCaptionOut(width);
        m_laidOut = known;
    }
    return *m_laidOut;
}

std::shared_ptr<const OptionButton::LaidOutCaption> OptionButton::layCaptionOut(int width) const
{
    auto laidOut = std::make_shared<LaidOutCaption>();
    laidOut->caption = text();
    laidOut->font = font();
    laidOut->width = width;
    QTextLayout& layout = laidOut->layout.emplace(textToLayOut(width), laidOut->font);
    // Kept shaped, so that a paint draws without shaping the caption again.
    layout.setCacheEnabled(true);
    layOut(layout, width);
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        laidOut->height += line.height();
        // Blanks that end a line hang past its edge and are not counted.
        laidOut->widest = std::max(laidOut->widest, line.naturalTextWidth());
    }
    laidOut->blockHeight = layout.boundingRect().height();
    return laidOut;
}

const OptionButton::LaidOutCaption& OptionButton::shownCaption() const
{
    return laidOutCaption(captionArea().width() - 2 * focusMargin);
}

void OptionButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    // The round indicator alone, centred on the button's height.
    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &indicator, &painter, this);

    const QRect area = captionArea().adjusted(focusMargin, 0, -focusMargin, 0);
    const LaidOutCaption& laidOut = laidOutCaption(area.width());
    const qreal blockHeight = laidOut.blockHeight;

    // The lines stand as one block, centred on the button's height.
    const QPointF origin(area.left(), area.top() + (area.height() - blockHeight) / 2);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    laidOut.layout->draw(&painter, origin);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = QRectF(origin, QSizeF(laidOut.widest, blockHeight)).toAlignedRect().adjusted(-focusMargin, 0, focusMargin, 0);
        focus.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

bool OptionButton::hitButton(const QPoint& pos) const
{
    // The whole button selects, its caption lines as much as its indicator.
    return rect().contains(pos);
}
