#include "support/ScriptedDialogs.h"

#include <QPrinter>

using namespace widgets::dialogs;

namespace testing_support {

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

std::optional<QString> ScriptedDialogs::NextText()
{
    if (textAnswers_.empty())
        return std::nullopt;
    auto answer = std::move(textAnswers_.front());
    textAnswers_.pop_front();
    return answer;
}

MsgAnswer ScriptedDialogs::MessageBox(QWidget*, const QString& text, const QString& caption, MsgIcon icon,
                                       MsgButtons buttons, MsgAnswer defaultButton)
{
    Record({QuestionKind::Message, caption, text, icon, buttons});
    if (messageAnswers_.empty())
        return defaultButton;
    const MsgAnswer answer = messageAnswers_.front();
    messageAnswers_.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::InputBox(QWidget*, const QString& caption, const QString& prompt,
                                                 const QString&)
{
    Record({QuestionKind::Input, caption, prompt});
    return NextText();
}

std::optional<QString> ScriptedDialogs::OpenFileName(QWidget*, const QString& caption, const QString& file,
                                                     const QString&)
{
    Record({QuestionKind::OpenFile, caption, file});
    return NextText();
}

std::optional<QString> ScriptedDialogs::SaveFileName(QWidget*, const QString& caption, const QString& file,
                                                     const QString&)
{
    Record({QuestionKind::SaveFile, caption, file});
    return NextText();
}

std::optional<QFont> ScriptedDialogs::ChooseFont(QWidget*, const QFont&)
{
    Record({QuestionKind::Font, {}, {}});
    if (fontAnswers_.empty())
        return std::nullopt;
    auto answer = std::move(fontAnswers_.front());
    fontAnswers_.pop_front();
    return answer;
}

int ScriptedDialogs::Choose(QWidget*, const QString& text, const QString& caption, MsgIcon icon,
                            const QStringList& choices, int defaultChoice)
{
    AskedQuestion question{QuestionKind::Choice, caption, text, icon};
    question.Choices = choices;
    Record(std::move(question));
    if (choiceAnswers_.empty())
        return defaultChoice;
    const int answer = choiceAnswers_.front();
    choiceAnswers_.pop_front();
    return answer;
}

bool ScriptedDialogs::SetUpPrinter(QWidget*, QPrinter& printer)
{
    Record({QuestionKind::Print, {}, {}});
    const auto file = NextText();
    if (!file)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*file);
    return true;
}

} // namespace testing_support
