#pragma once

#include <QString>

#include <functional>
#include <random>
#include <vector>

class QWidget;

// A user who does one random thing at a time with whatever is on view: picks
// an option or a topic, presses a button by mouse, key or access key, clicks a
// label or the splash screen's frame, lets the splash screen's timer run out,
// types, or closes a window through its frame.
class RandomUser {
public:
    struct Step {
        QString description;
        std::function<void()> perform;
        // Checked after the step when set: what went wrong, or an empty text.
        std::function<QString()> verify;
    };

    explicit RandomUser(std::mt19937_64& random) : m_random(random) {}

    // One of the things the user could do now; nothing when no screen is on view.
    Step choose();

private:
    struct Choice {
        int weight;
        Step step;
    };

    void addScreenChoices(QWidget* window, std::vector<Choice>& choices);
    Step keyStep(QWidget* window, const QString& where);
    int below(int n);

    std::mt19937_64& m_random;
};
