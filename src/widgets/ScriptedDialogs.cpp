#include "widgets/ScriptedDialogs.h"

#include <QPrinter>

namespace widgets {

std::vector<QString> ScriptedDialogs::Messages() const
{
    std::vector<QString> texts;
    for (const TQuestion& question : asked_)
        if (question.Kind == TKind::Message)
            texts.push_back(question.Text);
    return texts;
}

void ScriptedDialogs::Record(TQuestion question)
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

TMsgAnswer ScriptedDialogs::MessageBox(QWidget*, const QString& text, const QString& caption, TMsgIcon icon,
                                       TMsgButtons buttons, TMsgAnswer defaultButton)
{
    Record({TKind::Message, caption, text, icon, buttons});
    if (messageAnswers_.empty())
        return defaultButton;
    const TMsgAnswer answer = messageAnswers_.front();
    messageAnswers_.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::InputBox(QWidget*, const QString& caption, const QString& prompt,
                                                 const QString&)
{
    Record({TKind::Input, caption, prompt});
    return NextText();
}

std::optional<QString> ScriptedDialogs::OpenFileName(QWidget*, const QString& caption, const QString& file,
                                                     const QString&)
{
    Record({TKind::OpenFile, caption, file});
    return NextText();
}

std::optional<QString> ScriptedDialogs::SaveFileName(QWidget*, const QString& caption, const QString& file,
                                                     const QString&)
{
    Record({TKind::SaveFile, caption, file});
    return NextText();
}

std::optional<QFont> ScriptedDialogs::ChooseFont(QWidget*, const QFont&)
{
    Record({TKind::Font, {}, {}});
    if (fontAnswers_.empty())
        return std::nullopt;
    auto answer = std::move(fontAnswers_.front());
    fontAnswers_.pop_front();
    return answer;
}

int ScriptedDialogs::Choose(QWidget*, const QString& text, const QString& caption, TMsgIcon icon,
                            const QStringList& choices, int defaultChoice)
{
    TQuestion question{TKind::Choice, caption, text, icon};
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
    Record({TKind::Print, {}, {}});
    const auto file = NextText();
    if (!file)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*file);
    return true;
}

} // namespace widgets
