#pragma once

#include <QWidget>

// Tells a screen reader of an answer as it appears: an empty, unpainted
// notice that shows itself anew, named by the answer, each time one is given.
// A screen reader speaks a notice as it shows; the answer area on view is a
// plain label, which a screen reader reads only when asked.
class AnswerNotice : public QWidget {
    Q_OBJECT

public:
    explicit AnswerNotice(QWidget* window);

    void announce(const QString& answer);
};
