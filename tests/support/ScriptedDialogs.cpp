#include "support/ScriptedDialogs.h"

#include <QPrinter>

using namespace widgets::dialogs;

namespace testing_support {

namespace {

// The first scripted answer, taken from the script; the fallback when none is left.
template <class Answer> Answer Next(std::deque<Answer>& answers, Answer fallback)
{
    if (answers.empty())
        return fallback;
    Answer answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

std::vector<QString> ScriptedDialogs::Messages() const
{
    std::vector<QString> texts;
    for (const AskedQuestion& question : asked_)
        if (question.Kind == QuestionKind::Message)
            texts.push_back(question.Text);
    return texts;
}

void ScriptedDialogs::Record(AskedQuestion question)
{
    asked_.push_back(std::move(question));
    if (OnQuestion)
        OnQuestion(asked_.back());
}

MsgAnswer ScriptedDialogs::MessageBox(QWidget*, const QString& text, const QString& caption, MsgIcon icon,
                                       MsgButtons buttons, MsgAnswer defaultButton)
{
    Record({QuestionKind::Message, caption, text, icon, buttons});
    return Next(messageAnswers_, defaultButton);
}

std::optional<QString> ScriptedDialogs::InputBox(QWidget*, const QString& caption, const QString& prompt,
                                                 const QString&)
{
    Record({QuestionKind::Input, caption, prompt});
    return Next(textAnswers_, std::optional<QString>());
}

std::optional<QString> ScriptedDialogs::OpenFileName(QWidget*, const QString& caption, const QString& file,
                                                     const QString&)
{
    Record({QuestionKind::OpenFile, caption, file});
    return Next(textAnswers_, std::optional<QString>());
}

std::optional<QString> ScriptedDialogs::SaveFileName(QWidget*, const QString& caption, const QString& file,
                                                     const QString&)
{
    Record({QuestionKind::SaveFile, caption, file});
    return Next(textAnswers_, std::optional<QString>());
}

std::optional<QFont> ScriptedDialogs::ChooseFont(QWidget*, const QFont&)
{
    Record({QuestionKind::Font, {}, {}});
    return Next(fontAnswers_, std::optional<QFont>());
}

int ScriptedDialogs::Choose(QWidget*, const QString& text, const QString& caption, MsgIcon icon,
                            const QStringList& choices, int defaultChoice)
{
    AskedQuestion question{QuestionKind::Choice, caption, text, icon};
    question.Choices = choices;
    Record(std::move(question));
    return Next(choiceAnswers_, defaultChoice);
}

bool ScriptedDialogs::SetUpPrinter(QWidget*, QPrinter& printer)
{
    Record({QuestionKind::Print, {}, {}});
    const auto file = Next(textAnswers_, std::optional<QString>());
    if (!file)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*file);
    return true;
}

} // namespace testing_support
