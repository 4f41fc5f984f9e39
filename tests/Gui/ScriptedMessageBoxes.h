#pragma once

#include "Linewright/Gui/MessageBoxes.h"

#include <deque>
#include <vector>

// Answers message boxes from a script (OK when the script is empty) and records what they said;
// file dialogs choose the files scripted for them (none when the script is empty).
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

    QString ChooseFileToOpen(QWidget*, const QString& caption, const QString&, const QString&) override {
        dialogs.push_back(caption);
        if (chosenFiles.empty())
            return {};
        const QString chosen = chosenFiles.front();
        chosenFiles.pop_front();
        return chosen;
    }

    std::deque<Answer> answers;
    std::vector<Message> shown;
    std::deque<QString> chosenFiles;
    std::vector<QString> dialogs;  // the captions of the file dialogs shown
};
