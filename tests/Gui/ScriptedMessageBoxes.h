#pragma once

#include "Linewright/Gui/MessageBoxes.h"

#include <deque>
#include <vector>

// Answers message boxes from a script (OK when the script is empty) and records what they said.
class ScriptedMessageBoxes : public Linewright::Gui::MessageBoxes {
public:
    Answer Show(QWidget*, const Message& message) override {
        shown.push_back(message);
        if (answers.empty())
            return Answer::Ok;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<Answer> answers;
    std::vector<Message> shown;
};
