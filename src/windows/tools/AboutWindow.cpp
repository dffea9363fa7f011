#include "windows/tools/AboutWindow.h"

#include "windows/tools/ToolsGlyphs.h"
#include "windows/tools/WebSite.h"
#include "widgets/controls/ToolButton.h"
#include "widgets/services/Services.h"

#include <QDesktopServices>
#include <QLabel>

using formats::resources::PackedResources;
using widgets::controls::ButtonLayout;
using widgets::controls::ToolButton;
using widgets::services::Services;

namespace windows::tools {

namespace {

const QString Tagline = QStringLiteral("a diary for your days");
const QString Copyright = QStringLiteral("(c)");
const QString AboutText = QStringLiteral(
    "Keep one entry a day, with a title, a mood and formatted text. The calendar shows the days you wrote; "
    "browse and search them, back your diary up, export it for your word processor, and never forget a "
    "birthday again.");

ToolButton* MakeButton(QWidget* parent, const QRect& bounds, const QString& caption, const char* glyph)
{
    auto* button = new ToolButton(parent);
    button->setGeometry(bounds);
    button->SetLayout(ButtonLayout::GlyphLeft);
    button->SetCaption(caption);
    button->SetGlyph(OptionsGlyph(glyph));
    return button;
}

} // namespace

AboutWindow::AboutWindow(QWidget* owner, Services& services, PackedResources& resources)
    : ToolDialog(owner, resources, QSize(395, 292)),
      OpenUrl([](const QUrl& url) { QDesktopServices::openUrl(url); })
{
    setObjectName("aboutWindow");
    SetTitle(QStringLiteral("%1 - %2 %3 %4")
                 .arg(services.Title(), Tagline, Copyright, QString::number(services.Today().Year)));

    aboutLabel_ = new QLabel(AboutText, this);
    aboutLabel_->setGeometry(20, 62, 355, 96);
    aboutLabel_->setWordWrap(true);
    aboutLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    aboutLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    visitLabel_ = new QLabel(QStringLiteral("Click here to visit our web site:"), this);
    visitLabel_->setGeometry(20, 172, 355, 16);
    visitLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);

    webSiteButton_ = MakeButton(this, {20, 192, 355, 28}, WebSiteCaption(WebSiteAddress), "OPWEB");
    webSiteButton_->setCursor(Qt::PointingHandCursor);
    webSiteButton_->setToolTip(WebSiteAddress);
    closeButton_ = MakeButton(this, {140, 246, 116, 30}, QStringLiteral(" Ok"), "OPOK");
    closeButton_->setToolTip(QStringLiteral("Close this dialog"));
    aboutLabel_->setObjectName("aboutLabel");
    visitLabel_->setObjectName("visitLabel");
    webSiteButton_->setObjectName("webSiteButton");
    closeButton_->setObjectName("closeButton");
    connect(webSiteButton_, &ToolButton::OnClick, this, [this] { OpenUrl(QUrl(WebSiteAddress)); });
    connect(closeButton_, &ToolButton::OnClick, this, &QDialog::reject);
}

void AboutWindow::Execute(int currentSkin)
{
    ShowSkin(currentSkin);
    setFocus();
    exec();
}

} // namespace windows::tools
