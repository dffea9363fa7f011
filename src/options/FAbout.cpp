#include "options/FAbout.h"

#include "options/OptionsGlyphs.h"
#include "options/WebSite.h"
#include "widgets/KvToolButton.h"
#include "widgets/Services.h"

#include <QDesktopServices>
#include <QLabel>

namespace {

const QString Tagline = QStringLiteral("a diary for your days");
const QString Copyright = QStringLiteral("(c)");
const QString AboutText = QStringLiteral(
    "Keep one entry a day, with a title, a mood and formatted text. The calendar shows the days you wrote; "
    "browse and search them, back your diary up, export it for your word processor, and never forget a "
    "birthday again.");

widgets::TKvToolButton* MakeButton(QWidget* parent, const QRect& bounds, const QString& caption,
                                   const char* glyph)
{
    auto* button = new widgets::TKvToolButton(parent);
    button->setGeometry(bounds);
    button->SetLayout(widgets::TLbButtonLayout::blGlyphLeft);
    button->SetCaption(caption);
    button->SetGlyph(OptionsGlyph(glyph));
    return button;
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* owner, widgets::TServices& services, TRessourceStore& rStore)
    : TToolDialog(owner, rStore, QSize(395, 292)),
      OpenUrl([](const QUrl& url) { QDesktopServices::openUrl(url); })
{
    setObjectName("frmAbout");
    lblTitle->setText(QStringLiteral("%1 - %2 %3 %4")
                          .arg(services.Title(), Tagline, Copyright, QString::number(services.Today().Year)));

    lblAbout = new QLabel(AboutText, this);
    lblAbout->setGeometry(20, 62, 355, 96);
    lblAbout->setWordWrap(true);
    lblAbout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblAbout->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1 = new QLabel(QStringLiteral("Click here to visit our web site:"), this);
    Label1->setGeometry(20, 172, 355, 16);
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);

    BtnWebSite = MakeButton(this, {20, 192, 355, 28}, WebSiteCaption(WebSiteAddress), "OPWEB");
    BtnWebSite->setCursor(Qt::PointingHandCursor);
    BtnWebSite->setToolTip(WebSiteAddress);
    BtnClose = MakeButton(this, {140, 246, 116, 30}, QStringLiteral(" Ok"), "OPOK");
    BtnClose->setToolTip(QStringLiteral("Close this dialog"));
    connect(BtnWebSite, &widgets::TKvToolButton::OnClick, this, [this] { OpenUrl(QUrl(WebSiteAddress)); });
    connect(BtnClose, &widgets::TKvToolButton::OnClick, this, &QDialog::reject);
}

void TfrmAbout::Execute(int currentSkin)
{
    ShowSkin(currentSkin);
    setFocus();
    exec();
}
