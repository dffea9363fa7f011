// Dialogs for tests: every question is recorded, and answered from what the test scripted
// beforehand. Unscripted message boxes take their default button; other unscripted dialogs
// are cancelled.
#pragma once

#include "widgets/dialogs/Dialogs.h"

#include <deque>
#include <functional>
#include <vector>

namespace testing_support {

class ScriptedDialogs : public widgets::dialogs::Dialogs {
public:
    enum class QuestionKind { Message, Input, OpenFile, SaveFile, Font, Choice, Print };

    struct AskedQuestion {
        QuestionKind Kind;
        QString Caption;
        QString Text; // the message, prompt or proposed file name
        widgets::dialogs::MsgIcon Icon = widgets::dialogs::MsgIcon::None;
        widgets::dialogs::MsgButtons Buttons = widgets::dialogs::MsgButtons::Ok;
        QStringList Choices;
    };

    ScriptedDialogs() = default;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // Answers for the next message boxes, in order.
    void AnswerMessage(widgets::dialogs::MsgAnswer answer) { messageAnswers_.push_back(answer); }
    // Answers for the next input, open-file and save-file dialogs (nothing: cancel).
    void AnswerText(std::optional<QString> answer) { textAnswers_.push_back(std::move(answer)); }
    void AnswerFont(std::optional<QFont> answer) { fontAnswers_.push_back(std::move(answer)); }
    // Answers for the next choice questions (unscripted: the default choice).
    void AnswerChoice(int index) { choiceAnswers_.push_back(index); }
    // The print dialog prints to the PDF file named by the next text answer (none: cancelled).

    const std::vector<AskedQuestion>& Asked() const { return asked_; }
    // Runs when a question is asked, before it is answered (a test can change the world then).
    std::function<void(const AskedQuestion&)> OnQuestion;
    // The texts of the message boxes shown, in order.
    std::vector<QString> Messages() const;

    widgets::dialogs::MsgAnswer MessageBox(QWidget* parent, const QString& text, const QString& caption,
                                           widgets::dialogs::MsgIcon icon,
                                           widgets::dialogs::MsgButtons buttons,
                                           widgets::dialogs::MsgAnswer defaultButton) override;
    std::optional<QString> InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                    const QString& value) override;
    std::optional<QString> OpenFileName(QWidget* parent, const QString& caption, const QString& file,
                                        const QString& filter) override;
    std::optional<QString> SaveFileName(QWidget* parent, const QString& caption, const QString& file,
                                        const QString& filter) override;
    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override;
    int Choose(QWidget* parent, const QString& text, const QString& caption, widgets::dialogs::MsgIcon icon,
               const QStringList& choices, int defaultChoice) override;
    bool SetUpPrinter(QWidget* parent, QPrinter& printer) override;

private:
    void Record(AskedQuestion question);

    std::vector<AskedQuestion> asked_;
    std::deque<widgets::dialogs::MsgAnswer> messageAnswers_;
    std::deque<std::optional<QString>> textAnswers_;
    std::deque<std::optional<QFont>> fontAnswers_;
    std::deque<int> choiceAnswers_;
};

} // namespace testing_support
