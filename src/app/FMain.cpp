#include "app/FMain.h"

#include "app/MainSettings.h"
#include "platform/Collation.h"
#include "platform/QtText.h"
#include "widgets/Services.h"

#include <QEvent>
#include <QFile>
#include <QLabel>

#include <filesystem>

TfrmMain::TfrmMain(widgets::TServices& services)
    : reger(services.SettingsStore()), services_(services),
      session_(services.ProgramFolder().string(), platform::CompareText), lblDiary(new QLabel(this))
{
    const auto showSettingsError = [this](const std::string& message) {
        services_.Dialogs().ShowError(nullptr, QString::fromStdString(message), services_.Title());
    };
    DeclareMainSettings(reger, showSettingsError);
    reger.OnDestroyError = showSettingsError;

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
    const std::string fileName = std::filesystem::path(session_.DiaryFile).filename().string();
    const QString shownName = QFile::decodeName(fileName.c_str());
    reger.SetValue("LastDiaryName", platform::ToDiaryText(shownName).value_or(fileName));
    lblDiary->setText(tr("%1\n%n entries", nullptr, static_cast<int>(session_.DiaryText().Count()))
                          .arg(shownName.left(shownName.indexOf('.'))));
}
