#pragma once

#include "Linewright/Gui/MessageBoxes.h"

#include <deque>
#include <vector>

// Answers message boxes from a script (OK when the script is empty) and records what they said.
class ScriptedMessageBoxes : public Linewright::Gui::MessageBoxes {
public:
    struct Shown {
        QString text;
        Icon icon;
        Buttons buttons;
    };

    Answer Show(QWidget*, const QString& text, Icon icon, Buttons buttons) override {
        shown.push_back({text, icon, buttons});
        if (answers.empty())
            return Answer::Ok;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<Answer> answers;
    std::vector<Shown> shown;
};
