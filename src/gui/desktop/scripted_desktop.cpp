#include "gui/desktop/scripted_desktop.h"

namespace vexa {

namespace {
template <typename T>
std::optional<T> nextAnswer(std::deque<std::optional<T>>& answers)
{
    std::optional<T> answer;
    if (!answers.empty()) {
        answer.swap(answers.front());
        answers.pop_front();
    }
    return answer;
}
} // namespace

std::optional<QString> ScriptedDesktop::chooseFileToOpen(QWidget*, const FileDialogRequest& request)
{
    openRequests.push_back(request);
    return nextAnswer(openAnswers);
}

std::optional<QString> ScriptedDesktop::chooseFileToSave(QWidget*, const FileDialogRequest& request)
{
    saveRequests.push_back(request);
    return nextAnswer(saveAnswers);
}

std::optional<QFont> ScriptedDesktop::chooseFont(QWidget*, const QFont& initial)
{
    fontRequests.push_back(initial);
    return nextAnswer(fontAnswers);
}

void ScriptedDesktop::showError(QWidget*, const QString& text)
{
    errors << text + QLatin1Char('.');
}

void ScriptedDesktop::showWarning(QWidget*, const QString& text)
{
    warnings << text;
}

bool ScriptedDesktop::askYesNo(QWidget*, const QString& question)
{
    questions << question;
    if (yesNoAnswers.empty())
        return false;
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

void ScriptedDesktop::runModal(QDialog* window)
{
    modalRuns.push_back(window);
}

void ScriptedDesktop::showHelp(QWidget*, const QString& helpFile, int command, int data)
{
    helpCalls.push_back({helpFile, command, data});
}

} // namespace vexa
