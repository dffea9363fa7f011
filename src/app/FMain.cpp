#include "app/FMain.h"

#include "app/Application.h"
#include "app/FEntry.h"
#include "app/MainSettings.h"
#include "widgets/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/QtText.h"

#include <QEvent>
#include <QFile>
#include <QLabel>

#include <filesystem>

namespace {

void ShowSettingsError(const std::string& message)
{
    widgets::ShowError(nullptr, QString::fromStdString(message), ApplicationTitle());
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent), lblDiary(new QLabel(this))
{
    DeclareMainSettings(reger, ShowSettingsError);
    reger.OnDestroyError = ShowSettingsError;
    DiaryFolder = WithTrailingBackslash(platform::ProgramFolder().string());

    setObjectName("frmMain");
    setMinimumSize(750, 480);
    resize(750, 480);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    QFont font("Arial");
    font.setPixelSize(16);
    lblDiary->setFont(font);
    lblDiary->setAlignment(Qt::AlignCenter);
    setCentralWidget(lblDiary);
}

TfrmMain::~TfrmMain() = default;

bool TfrmMain::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return handled;
}

void TfrmMain::FormActivate()
{
    if (!FirstActivation)
        return;
    FirstActivation = false;
    const std::string fileName = std::filesystem::path(DiaryFile).filename().string();
    const QString shownName = QFile::decodeName(fileName.c_str());
    reger.SetValue("LastDiaryName", platform::ToDiaryText(shownName).value_or(fileName));
    lblDiary->setText(tr("%1\n%n entries", nullptr, static_cast<int>(DiaryText.size()))
                          .arg(shownName.left(shownName.indexOf('.'))));
}
